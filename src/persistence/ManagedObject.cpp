// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ManagedObject.h"

#include "ManagedObjectContext.h"
#include "StoreRow.h"

#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

ManagedObject::ManagedObject(ManagedObjectContext& context, const QString& entityName)
    : _row(std::make_shared<StoreRow>()) {
    _row->entityName = entityName;
    context.insert(_row);
}

ManagedObject::ManagedObject(std::shared_ptr<StoreRow> row) : _row(std::move(row)) {}

QString ManagedObject::entityName() const {
    return _row->entityName;
}

std::optional<QDateTime> ManagedObject::date() const {
    return _row->date;
}

void ManagedObject::setDate(const std::optional<QDateTime>& date) {
    if (!isWritable("date"))
        return;
    // Stored dates are instants; an invalid one is no date.
    _row->date = date && date->isValid() ? std::optional(date->toUTC()) : std::nullopt;
}

std::optional<quint64> ManagedObject::capacity() const {
    return _row->capacity;
}

void ManagedObject::setCapacity(std::optional<quint64> capacity) {
    if (isWritable("capacity"))
        _row->capacity = capacity;
}

std::optional<quint64> ManagedObject::cycleCount() const {
    return _row->cycleCount;
}

void ManagedObject::setCycleCount(std::optional<quint64> cycleCount) {
    if (isWritable("cycleCount"))
        _row->cycleCount = cycleCount;
}

bool ManagedObject::isWritable(const char* attribute) const {
    if (!_row->rowId)
        return true;
    LOG4CPLUS_ERROR(log4cplus::Logger::getInstance("helpers.persistance"),
                    "A saved " << _row->entityName.toStdString() << " keeps its " << attribute
                               << "; the change is ignored");
    return false;
}
