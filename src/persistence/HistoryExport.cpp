// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "HistoryExport.h"

#include "AtomicFileWriter.h"
#include "BatteryHistory.h"
#include "BatteryStatusSnapshot.h"
#include "ManagedObjectContext.h"
#include "PersistentStoreCoordinator.h"
#include "StoreError.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <utility>

namespace {

// Column names and kinds are data for the programs reading the file: never translated.
const QByteArray kHeader = QByteArrayLiteral("kind,date,capacity_mah,cycle_count");
const QByteArray kSnapshotKind = QByteArrayLiteral("snapshot");
const QByteArray kCalibrationKind = QByteArrayLiteral("calibration");
const QByteArray kLineBreak = QByteArrayLiteral("\r\n");

QByteArray field(const std::optional<quint64>& value) {
    return value ? QByteArray::number(*value) : QByteArray();
}

// The record's date in UTC, when ISO 8601 can write it: only a damaged store holds one before
// year 1 or after 9999, and that record goes with the undated.
std::optional<QDateTime> writableDate(const ManagedObject& record) {
    std::optional<QDateTime> date = record.date();
    if (date)
        date = date->toUTC();
    if (date && (date->date().year() < 1 || date->date().year() > 9999))
        return std::nullopt;
    return date;
}

bool setWriteError(StoreError* error, const QByteArray& fileName, const QString& reason) {
    if (error)
        *error = {QStringLiteral("The history could not be written to ") +
                      QFile::decodeName(fileName) + QStringLiteral("."),
                  reason};
    return false;
}

// Why fileName must not be written, or nothing: the text is renamed over whatever the name is, a
// FIFO or a device node as much as the store, which are compared by file, not by name.
QString refusal(const QByteArray& fileName, const QString& storePath) {
    struct stat target {};
    struct stat store {};
    if (::stat(fileName.constData(), &target) != 0)
        return {};
    if (!S_ISREG(target.st_mode))
        return QStringLiteral("It is not a regular file.");
    if (::stat(QFile::encodeName(storePath).constData(), &store) == 0 &&
        target.st_dev == store.st_dev && target.st_ino == store.st_ino)
        return QStringLiteral("It is Ampra's data store.");
    return {};
}

} // namespace

QByteArray HistoryExport::csv(const BatteryHistory& history) {
    // Each record's date is worked out once, not at every comparison of the sort.
    std::vector<std::pair<std::optional<QDateTime>, const ManagedObject*>> records;
    records.reserve(history.snapshots.size() + history.calibrations.size());
    for (const auto* list : {&history.snapshots, &history.calibrations})
        for (const ManagedObject& record : *list)
            records.emplace_back(writableDate(record), &record);
    std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
        return a.first && (!b.first || *a.first < *b.first);
    });
    QByteArray text = kHeader + kLineBreak;
    for (const auto& [date, record] : records) {
        text += (record->entityName() == BatteryStatusSnapshot::kEntityName ? kSnapshotKind
                                                                            : kCalibrationKind) +
                ',' + (date ? date->toString(Qt::ISODate).toLatin1() : QByteArray()) + ',' +
                field(record->capacity()) + ',' + field(record->cycleCount()) + kLineBreak;
    }
    return text;
}

bool HistoryExport::exportContext(const ManagedObjectContext& context, const QByteArray& fileName,
                                  StoreError* error) {
    const std::optional<BatteryHistory> history = BatteryHistory::fetch(context, error);
    return history && write(csv(*history), fileName, context.storePath(), error);
}

bool HistoryExport::exportStore(const QString& storePath, const QByteArray& fileName,
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

bool HistoryExport::write(const QByteArray& csv, const QByteArray& fileName,
                          const QString& storePath, StoreError* error) {
    if (fileName == kStandardOutput) {
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly) || output.write(csv) != csv.size() ||
            !output.flush())
            return setWriteError(error, "the standard output", output.errorString());
        return true;
    }
    QString reason = refusal(fileName, storePath);
    if (reason.isEmpty())
        reason = AtomicFileWriter::write(fileName, csv);
    return reason.isEmpty() || setWriteError(error, fileName, reason);
}
