// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>

// A previous generation's history file (XML property list) of `entries` entries: half of them
// calibrations, half capacity snapshots, one a day back from 2016.
inline QByteArray ampraOneHistoryFile(int entries) {
    const QLocale english(QLocale::English);
    QByteArray calibrations, capacities, dates;
    for (int i = 0; i < entries / 2; ++i) {
        const QByteArray date =
            english.toString(QDate(2016, 3, 5).addDays(-i), QStringLiteral("MMM dd, yyyy"))
                .toUtf8();
        calibrations += "<string>" + date + "</string>";
        capacities += "<string>87% of " + QByteArray::number(4400 - i % 500) + " mAh</string>";
        dates += "<string>" + date + "</string>";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
           "<key>CalibrationHistoryArray</key><array>" +
           calibrations + "</array><key>CapacityArray</key><array>" + capacities +
           "</array><key>DateArray</key><array>" + dates + "</array></dict></plist>";
}
