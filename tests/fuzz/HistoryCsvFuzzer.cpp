// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The history's CSV export of whatever records a store holds: it must parse back as the same
// rows, oldest first.

#include "FuzzSupport.h"
#include "persistence/BatteryHistory.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/HistoryExport.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/PersistentStoreCoordinator.h"
#include "persistence/StoreError.h"

#include <QList>
#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

using Row = std::tuple<QByteArray, std::optional<QDateTime>, std::optional<quint64>,
                       std::optional<quint64>>;

template <typename T> T take(QByteArrayView& input) {
    T value{};
    const qsizetype count = std::min(qsizetype(sizeof value), input.size());
    std::memcpy(&value, input.data(), size_t(count));
    input = input.sliced(count);
    return value;
}

std::optional<quint64> number(const QByteArray& field) {
    bool ok = false;
    const quint64 value = field.toULongLong(&ok);
    require(field.isEmpty() || (ok && QByteArray::number(value) == field),
            "a number is written in plain digits");
    return ok ? std::optional(value) : std::nullopt;
}

// RFC 4180 without quotes, which no field needs: CRLF after every row, commas between fields.
std::vector<Row> parse(const QByteArray& csv) {
    QList<QByteArray> lines = csv.split('\n');
    require(lines.takeLast().isEmpty(), "the last row ends too");
    require(lines.takeFirst() == "kind,date,capacity_mah,cycle_count\r", "the header comes first");
    std::vector<Row> rows;
    for (const QByteArray& line : std::as_const(lines)) {
        require(line.endsWith('\r') && line.count('\r') == 1, "rows end in CRLF");
        const QList<QByteArray> fields = line.chopped(1).split(',');
        require(fields.size() == 4, "every row has four fields");
        require(fields[0] == "snapshot" || fields[0] == "calibration", "a row names its kind");
        std::optional<QDateTime> date;
        if (!fields[1].isEmpty()) {
            date = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate);
            require(date->isValid() && fields[1].endsWith('Z'), "a date is ISO 8601 in UTC");
        }
        rows.emplace_back(fields[0], date, number(fields[2]), number(fields[3]));
    }
    return rows;
}

} // namespace

// Each record: a byte of flags (calibration, has a date, a capacity, a cycle count), then the
// date in milliseconds since 1970, the capacity and the cycle count.
void fuzz(const QByteArray& input) {
    // One store for all runs: a run's records stay in its context.
    StoreError error;
    static const auto store =
        PersistentStoreCoordinator::openSQLiteStore(QStringLiteral(":memory:"), error);
    require(bool(store), "an empty store opens");
    ManagedObjectContext context(*store);
    std::vector<Row> expected;
    for (QByteArrayView rest(input); !rest.isEmpty() && expected.size() < 64;) {
        const auto flags = take<uint8_t>(rest);
        const auto milliseconds = take<qint64>(rest);
        const auto capacity = take<quint64>(rest);
        const auto cycleCount = take<quint64>(rest);
        ManagedObject record = flags & 1 ? ManagedObject(Calibration(context))
                                         : ManagedObject(BatteryStatusSnapshot(context));
        if (flags & 2)
            record.setDate(QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC));
        if (flags & 4)
            record.setCapacity(capacity);
        if (flags & 8)
            record.setCycleCount(cycleCount);
        // Whole seconds, as the export leaves out the milliseconds; none outside the years ISO
        // 8601 writes.
        std::optional<QDateTime> date = record.date();
        if (date)
            date = date->addMSecs(-date->time().msec());
        if (date && (date->date().year() < 1 || date->date().year() > 9999))
            date.reset();
        expected.emplace_back(flags & 1 ? "calibration" : "snapshot", date, record.capacity(),
                              record.cycleCount());
    }
    const std::optional<BatteryHistory> history = BatteryHistory::fetch(context);
    require(history.has_value(), "the records can be fetched");
    std::vector<Row> rows = parse(HistoryExport::csv(*history));
    require(std::is_sorted(rows.begin(), rows.end(),
                           [](const Row& a, const Row& b) {
                               const auto& [dateA, dateB] =
                                   std::tie(std::get<1>(a), std::get<1>(b));
                               return dateA && (!dateB || *dateA < *dateB);
                           }),
            "oldest first, undated last");
    std::sort(rows.begin(), rows.end());
    std::sort(expected.begin(), expected.end());
    require(rows == expected, "the export parses back as the same rows");
}
