// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "HistoryExport.h"

#include "BatteryHistory.h"
#include "BatteryStatusSnapshot.h"
#include "ManagedObjectContext.h"
#include "PersistentStoreCoordinator.h"
#include "StoreError.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// Column names and kinds are data for the programs reading the file: never translated.
const QByteArray kHeader = QByteArrayLiteral("kind,date,capacity_mah,cycle_count");
const QByteArray kSnapshotKind = QByteArrayLiteral("snapshot");
const QByteArray kCalibrationKind = QByteArrayLiteral("calibration");
const QByteArray kLineBreak = QByteArrayLiteral("\r\n");

QByteArray field(const std::optional<quint64>& value) {
    return value ? QByteArray::number(*value) : QByteArray();
}

bool setWriteError(StoreError* error, const QString& fileName, const QString& reason) {
    if (error)
        *error = {QStringLiteral("The history could not be written to ") + fileName +
                      QStringLiteral("."),
                  reason};
    return false;
}

} // namespace

QByteArray HistoryExport::csv(const BatteryHistory& history) {
    std::vector<ManagedObject> records;
    records.reserve(history.snapshots.size() + history.calibrations.size());
    std::merge(history.snapshots.begin(), history.snapshots.end(), history.calibrations.begin(),
               history.calibrations.end(), std::back_inserter(records),
               [](const ManagedObject& a, const ManagedObject& b) {
                   return a.date() && (!b.date() || *a.date() < *b.date());
               });
    QByteArray text = kHeader + kLineBreak;
    for (const ManagedObject& record : records) {
        const auto date = record.date();
        text += (record.entityName() == BatteryStatusSnapshot::kEntityName ? kSnapshotKind
                                                                           : kCalibrationKind) +
                ',' + (date ? date->toUTC().toString(Qt::ISODate).toLatin1() : QByteArray()) + ',' +
                field(record.capacity()) + ',' + field(record.cycleCount()) + kLineBreak;
    }
    return text;
}

bool HistoryExport::exportContext(const ManagedObjectContext& context, const QString& fileName,
                                  StoreError* error) {
    const std::optional<BatteryHistory> history = BatteryHistory::fetch(context, error);
    return history && write(csv(*history), fileName, error);
}

bool HistoryExport::exportStore(const QString& storePath, const QString& fileName,
                                StoreError* error) {
    StoreError openError;
    const auto store = PersistentStoreCoordinator::openSQLiteStoreForReading(storePath, openError);
    if (!store) {
        if (error)
            *error = openError;
        return false;
    }
    const ManagedObjectContext context(*store);
    return exportContext(context, fileName, error);
}

bool HistoryExport::write(const QByteArray& csv, const QString& fileName, StoreError* error) {
    if (fileName == kStandardOutput) {
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly) || output.write(csv) != csv.size() ||
            !output.flush())
            return setWriteError(error, QStringLiteral("the standard output"),
                                 output.errorString());
        return true;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        return setWriteError(error, fileName, file.errorString());
    return true;
}
