// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PersistentStoreCoordinator.h"

#include "BatteryStatusSnapshot.h"
#include "Calibration.h"
#include "StoreError.h"
#include "StoreRow.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <sys/stat.h>

namespace {

// The two entities are tables of the same name with the same columns. Dates are milliseconds
// since the Unix epoch (UTC); numbers are stored as 64-bit integers.
const char* const kCreateTable = "CREATE TABLE IF NOT EXISTS \"%1\" (id INTEGER PRIMARY KEY, "
                                 "date INTEGER, capacity INTEGER, cycleCount INTEGER)";
const char* const kCreateDateIndex = "CREATE INDEX IF NOT EXISTS \"%1_date\" ON \"%1\" (date)";

// Each day's lowest and highest capacity among the snapshots, so that a chart of years of history
// reads a row a day instead of every snapshot. Days count from the epoch, in UTC. A trigger keeps
// it, also when an older version of Ampra writes the store.
constexpr qint64 kDay = 86400000;
const char* const kDays = "BatteryStatusSnapshot_days";
const char* const kCreateDays =
    "CREATE TABLE IF NOT EXISTS BatteryStatusSnapshot_days (day INTEGER PRIMARY KEY, "
    "lowId INTEGER, lowCapacity INTEGER, highId INTEGER, highCapacity INTEGER)";
// Adds the snapshots matching %1 to their days; equal capacities keep the oldest lowest and the
// newest highest.
const char* const kAddToDays =
    "INSERT INTO BatteryStatusSnapshot_days SELECT date / 86400000, id, capacity, id, capacity "
    "FROM BatteryStatusSnapshot WHERE %1 AND date IS NOT NULL AND capacity > 0 ORDER BY id "
    "ON CONFLICT (day) DO UPDATE SET "
    "lowId = iif(excluded.lowCapacity < lowCapacity, excluded.lowId, lowId), "
    "lowCapacity = min(lowCapacity, excluded.lowCapacity), "
    "highId = iif(excluded.highCapacity >= highCapacity, excluded.highId, highId), "
    "highCapacity = max(highCapacity, excluded.highCapacity)";
const char* const kCreateDaysTrigger =
    "CREATE TRIGGER IF NOT EXISTS BatteryStatusSnapshot_days_insert AFTER INSERT ON "
    "BatteryStatusSnapshot BEGIN %1; END";

// The first and the last snapshot with a date and a capacity.
const char* const kCapacityEnds =
    "SELECT first.id, first.date, last.id, last.date FROM "
    "(SELECT id, date FROM BatteryStatusSnapshot WHERE date IS NOT NULL AND capacity > 0 "
    "ORDER BY date, id LIMIT 1) AS first, "
    "(SELECT id, date FROM BatteryStatusSnapshot WHERE capacity > 0 "
    "ORDER BY date DESC, id DESC LIMIT 1) AS last";
// The snapshots of the lowest and the highest capacity of each span of :span from :start to
// :end, with the first and the last, oldest first. The spans are counted in %2 of table %1: dates
// of the snapshots themselves, or days of their daily extremes.
const char* const kCapacityExtremes =
    "WITH RECURSIVE span(a) AS (SELECT :start UNION ALL SELECT a + :span FROM span "
    "WHERE a + :span <= :end), "
    "picked(id) AS ("
    "SELECT (SELECT %3 FROM %1 WHERE %2 >= a AND %2 < a + :span %5 ORDER BY %4, %2 LIMIT 1) "
    "FROM span UNION "
    "SELECT (SELECT %6 FROM %1 WHERE %2 >= a AND %2 < a + :span %5 ORDER BY %7 DESC, %2 LIMIT 1) "
    "FROM span UNION VALUES (:firstId), (:lastId)) "
    "SELECT id, date, capacity, cycleCount FROM BatteryStatusSnapshot WHERE id IN picked "
    "ORDER BY date, id";

QStringList entityNames() {
    return {Calibration::kEntityName, BatteryStatusSnapshot::kEntityName};
}

void setError(StoreError* error, const QString& description, const QSqlError& sqlError) {
    if (error)
        *error = {description, sqlError.text()};
}

QVariant number(std::optional<quint64> value) {
    // Unsigned values travel through SQLite's signed integers unchanged in their bits.
    return value ? QVariant(qint64(*value)) : QVariant();
}

std::optional<quint64> number(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional(quint64(value.toLongLong()));
}

std::shared_ptr<StoreRow> rowAt(const QSqlQuery& query, const QString& entityName) {
    auto row = std::make_shared<StoreRow>();
    row->entityName = entityName;
    row->rowId = query.value(0).toLongLong();
    if (!query.value(1).isNull())
        row->date = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
    row->capacity = number(query.value(2));
    row->cycleCount = number(query.value(3));
    return row;
}

} // namespace

PersistentStoreCoordinator::PersistentStoreCoordinator(const QString& path) : _path(path) {
    // Qt names every connection; two stores open at once must not share one.
    static int connections = 0;
    _connectionName = QStringLiteral("ampra.store.%1").arg(++connections);
    _database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), _connectionName);
    _database.setDatabaseName(path);
}

PersistentStoreCoordinator::~PersistentStoreCoordinator() {
    _newestQueries.clear();
    _database.close();
    _database = QSqlDatabase();
    QSqlDatabase::removeDatabase(_connectionName);
}

std::unique_ptr<PersistentStoreCoordinator>
PersistentStoreCoordinator::openSQLiteStore(const QString& path, StoreError& error) {
    std::unique_ptr<PersistentStoreCoordinator> store(new PersistentStoreCoordinator(path));
    if (!store->open(error) || !store->prepareSchema(error))
        return nullptr;
    return store;
}

std::unique_ptr<PersistentStoreCoordinator>
PersistentStoreCoordinator::openSQLiteStoreForReading(const QString& path, StoreError& error) {
    std::unique_ptr<PersistentStoreCoordinator> store(new PersistentStoreCoordinator(path));
    // Read-only never creates the file: a missing store fails here.
    store->_database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!store->open(error))
        return nullptr;
    const std::optional<int> version = store->readableSchemaVersion(error);
    if (!version)
        return nullptr;
    if (*version == 0) {
        error = {QStringLiteral("The data store ") + path + QStringLiteral(" holds no records."),
                 QStringLiteral("It is not a store Ampra has written.")};
        return nullptr;
    }
    return store;
}

bool PersistentStoreCoordinator::open(StoreError& error) {
    const QString failure =
        QStringLiteral("The data store ") + _path + QStringLiteral(" could not be opened.");
    // SQLite would wait for a writer on a FIFO and write through a device node.
    struct stat status {};
    if (::stat(QFile::encodeName(_path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        error = {failure, QStringLiteral("It is not a regular file.")};
        return false;
    }
    if (_database.open())
        return true;
    setError(&error, failure, _database.lastError());
    return false;
}

std::optional<int> PersistentStoreCoordinator::readableSchemaVersion(StoreError& error) {
    QSqlQuery query(_database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        setError(&error,
                 QStringLiteral("The data store ") + _path + QStringLiteral(" could not be read."),
                 query.lastError());
        return std::nullopt;
    }
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion) {
        error = {QStringLiteral("The data store ") + _path +
                     QStringLiteral(" was written by a newer version of Ampra."),
                 QStringLiteral("Its schema version is %1; this version reads up to %2.")
                     .arg(version)
                     .arg(kSchemaVersion)};
        return std::nullopt;
    }
    return version;
}

bool PersistentStoreCoordinator::prepareSchema(StoreError& error) {
    if (!readableSchemaVersion(error))
        return false;
    const QString failure =
        QStringLiteral("The data store ") + _path + QStringLiteral(" could not be prepared.");
    QSqlQuery query(_database);
    // Records are written a few times a week, so full syncs cost nothing, and a record written
    // just before a power-off must survive it. A rollback journal keeps the store one file that
    // sqlite3 reads as it is and that works on any file system, where WAL needs shared memory.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
        setError(&error, failure, query.lastError());
        return false;
    }
    // Always a write, also when the tables exist: a store that cannot be written fails here, at
    // open, instead of losing every record saved later.
    QStringList statements;
    for (const QString& entity : entityNames())
        statements << QLatin1StringView(kCreateTable).arg(entity)
                   << QLatin1StringView(kCreateDateIndex).arg(entity);
    // A store written before the days existed gets them from its snapshots, once.
    const bool hasDays = query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = '%1'")
                                        .arg(QLatin1StringView(kDays))) &&
                         query.next();
    query.finish();
    statements << QLatin1StringView(kCreateDays)
               << QLatin1StringView(kCreateDaysTrigger)
                      .arg(QLatin1StringView(kAddToDays).arg(QStringLiteral("id = NEW.id")));
    if (!hasDays)
        statements << QLatin1StringView(kAddToDays).arg(QStringLiteral("1"));
    statements << QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion);
    if (!_database.transaction()) {
        setError(&error, failure, _database.lastError());
        return false;
    }
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            setError(&error, failure, query.lastError());
            _database.rollback();
            return false;
        }
    }
    if (!_database.commit()) {
        setError(&error, failure, _database.lastError());
        _database.rollback();
        return false;
    }
    return true;
}

std::optional<std::vector<std::shared_ptr<StoreRow>>>
PersistentStoreCoordinator::fetchNewest(const QString& entityName, int fetchLimit,
                                        StoreError* error) {
    if (!entityNames().contains(entityName)) {
        if (error)
            *error = {QStringLiteral("There is no entity named ") + entityName +
                          QStringLiteral("."),
                      QStringLiteral("The data store holds ") +
                          entityNames().join(QStringLiteral(" and ")) + QStringLiteral(".")};
        return std::nullopt;
    }
    // Walks the date index backwards: the newest rows cost the same in any size of table. The
    // engine asks on every update, so the statement is prepared once; one that failed is not kept.
    auto [cached, isNew] = _newestQueries.try_emplace(entityName, _database);
    QSqlQuery& query = cached->second;
    bool ready = !isNew;
    if (isNew) {
        query.setForwardOnly(true);
        ready = query.prepare(QStringLiteral("SELECT id, date, capacity, cycleCount FROM \"%1\" "
                                             "ORDER BY date DESC, id DESC LIMIT ?")
                                  .arg(entityName));
    }
    if (ready) {
        query.bindValue(0, fetchLimit > 0 ? fetchLimit : -1);
        ready = query.exec();
    }
    if (!ready) {
        setError(error,
                 QStringLiteral("The ") + entityName +
                     QStringLiteral(" records could not be fetched."),
                 query.lastError());
        _newestQueries.erase(cached);
        return std::nullopt;
    }
    std::vector<std::shared_ptr<StoreRow>> rows;
    while (query.next())
        rows.push_back(rowAt(query, entityName));
    query.finish();
    return rows;
}

std::optional<std::vector<std::shared_ptr<StoreRow>>>
PersistentStoreCoordinator::fetchCapacityExtremes(int columns, StoreError* error) {
    const QString failure = QStringLiteral("The capacities could not be fetched.");
    QSqlQuery query(_database);
    query.setForwardOnly(true);
    if (!query.exec(QLatin1StringView(kCapacityEnds))) {
        setError(error, failure, query.lastError());
        return std::nullopt;
    }
    std::vector<std::shared_ptr<StoreRow>> rows;
    if (!query.next())
        return rows;
    const QVariant firstId = query.value(0);
    const qint64 first = query.value(1).toLongLong();
    const QVariant lastId = query.value(2);
    const qint64 last = query.value(3).toLongLong();
    query.finish();

    // Spans of a day or more read the daily extremes; shorter ones the snapshots in them, of
    // which there are few.
    columns = std::max(columns, 1);
    const bool daily = (last - first) / columns + 1 >= kDay;
    const qint64 span =
        daily ? (last / kDay - first / kDay) / columns + 1 : (last - first) / columns + 1;
    const QString statement =
        daily ? QLatin1StringView(kCapacityExtremes)
                    .arg(QLatin1StringView(kDays), QStringLiteral("day"), QStringLiteral("lowId"),
                         QStringLiteral("lowCapacity"), QString(), QStringLiteral("highId"),
                         QStringLiteral("highCapacity"))
              : QLatin1StringView(kCapacityExtremes)
                    .arg(BatteryStatusSnapshot::kEntityName, QStringLiteral("date"),
                         QStringLiteral("id"), QStringLiteral("capacity"),
                         QStringLiteral("AND capacity > 0"), QStringLiteral("id"),
                         QStringLiteral("capacity"));
    // Unprepared (a table gone), executing would only report a parameter count mismatch.
    const bool prepared = query.prepare(statement);
    if (prepared) {
        query.bindValue(QStringLiteral(":start"), daily ? first / kDay : first);
        query.bindValue(QStringLiteral(":span"), span);
        query.bindValue(QStringLiteral(":end"), daily ? last / kDay : last);
        query.bindValue(QStringLiteral(":firstId"), firstId);
        query.bindValue(QStringLiteral(":lastId"), lastId);
    }
    if (!prepared || !query.exec()) {
        setError(error, failure, query.lastError());
        return std::nullopt;
    }
    while (query.next())
        rows.push_back(rowAt(query, BatteryStatusSnapshot::kEntityName));
    return rows;
}

bool PersistentStoreCoordinator::insert(const std::vector<std::shared_ptr<StoreRow>>& rows,
                                        StoreError* error) {
    const QString failure = QStringLiteral("The changes could not be saved to the data store.");
    if (!_database.transaction()) {
        setError(error, failure, _database.lastError());
        return false;
    }
    // One statement per entity, prepared once and bound per row.
    std::map<QString, QSqlQuery> statements;
    std::vector<qint64> rowIds;
    rowIds.reserve(rows.size());
    for (const auto& row : rows) {
        auto [found, isNew] = statements.try_emplace(row->entityName, _database);
        QSqlQuery& query = found->second;
        const bool prepared =
            !isNew ||
            query.prepare(
                QStringLiteral("INSERT INTO \"%1\" (date, capacity, cycleCount) VALUES (?, ?, ?)")
                    .arg(row->entityName));
        if (prepared) {
            query.bindValue(0, row->date ? QVariant(row->date->toMSecsSinceEpoch()) : QVariant());
            query.bindValue(1, number(row->capacity));
            query.bindValue(2, number(row->cycleCount));
        }
        if (!prepared || !query.exec()) {
            setError(error, failure, query.lastError());
            _database.rollback();
            return false;
        }
        rowIds.push_back(query.lastInsertId().toLongLong());
    }
    if (!_database.commit()) {
        setError(error, failure, _database.lastError());
        _database.rollback();
        return false;
    }
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i]->rowId = rowIds[i];
    return true;
}
