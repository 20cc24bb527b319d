// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The previous generation's history file, XML or binary property list, and the texts of its
// capacities and dates, as the first start imports them.

#include "FuzzSupport.h"
#include "persistence/AppPersistance.h"
#include "persistence/PropertyListDictionary.h"

#include <QLocale>

void fuzz(const QByteArray& input) {
    const QString path = scratchFolder().filePath(AppPersistance::kAmpraOneStatusFileName);
    mustWrite(path, input);
    const std::optional<PropertyListDictionary> status = PropertyListDictionary::read(path);
    if (!status)
        return;
    // No store is opened: the texts are read as the import reads them.
    AppPersistance persistance(nullptr, scratchFolder().path());
    for (const char* key : {"CalibrationHistoryArray", "CapacityArray", "DateArray"}) {
        for (const QString& text : status->stringArray(key).value_or(QStringList())) {
            if (const auto capacity = persistance.capacityFromAmpra1FormatedString(text))
                require(text.contains(QString::number(*capacity)),
                        "a capacity is a number of its text");
            if (const auto date = persistance.dateFromAmpra1FormatedDate(text)) {
                require(date->isValid() && date->timeSpec() == Qt::UTC, "a date is in UTC");
                const QDate day = QLocale::system().toDate(text, QStringLiteral("MMM dd, yyyy"));
                require(date->toLocalTime().date() >= day, "a date falls on the day it names");
            }
        }
    }
}
