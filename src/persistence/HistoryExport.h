// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QString>

class ManagedObjectContext;
struct BatteryHistory;
struct StoreError;

// The battery history as CSV (RFC 4180): a header row, then one row per record, snapshots and
// calibrations together, oldest first and undated records last. Columns: kind ("snapshot" or
// "calibration"), date (ISO 8601 in UTC), capacity in mAh, cycle count; a value the record lacks
// is an empty field, as is a date outside the years 1 to 9999, which ISO 8601 does not write. No
// field can hold a comma, a quote or a line break, so none is quoted.
class HistoryExport {
public:
    // "-" as a file name writes to standard output.
    inline static const QByteArray kStandardOutput = QByteArrayLiteral("-");

    static QByteArray csv(const BatteryHistory& history);
    // Writes the records of `context` to fileName, replacing the file only once all is written.
    // Only a regular file is replaced, and never the store itself. The name is the system's, in
    // bytes: one that is not text in the locale's encoding is written as it is spelt.
    static bool exportContext(const ManagedObjectContext& context, const QByteArray& fileName,
                              StoreError* error);
    // The same from the store file at storePath, opened for reading only: Ampra may be running
    // and writing it meanwhile.
    static bool exportStore(const QString& storePath, const QByteArray& fileName,
                            StoreError* error);

private:
    static bool write(const QByteArray& csv, const QByteArray& fileName, const QString& storePath,
                      StoreError* error);
};
