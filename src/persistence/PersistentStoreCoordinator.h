// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct StoreError;
struct StoreRow;

// The opened SQLite store file: its schema, and the statements that read and write records.
// One SQLite connection per instance, closed when the instance dies.
class PersistentStoreCoordinator {
public:
    // Version of the table layout, kept in the file's user_version.
    static constexpr int kSchemaVersion = 1;

    // Opens the store at path, creating the file and its tables if needed. None on failure,
    // with the reason in error.
    static std::unique_ptr<PersistentStoreCoordinator> openSQLiteStore(const QString& path,
                                                                       StoreError& error);
    // Opens an existing store for reading only, as another program may while Ampra writes it.
    static std::unique_ptr<PersistentStoreCoordinator>
    openSQLiteStoreForReading(const QString& path, StoreError& error);
    ~PersistentStoreCoordinator();
    const QString& path() const { return _path; }
    PersistentStoreCoordinator(const PersistentStoreCoordinator&) = delete;
    PersistentStoreCoordinator& operator=(const PersistentStoreCoordinator&) = delete;

    std::optional<std::vector<std::shared_ptr<StoreRow>>>
    fetchNewest(const QString& entityName, int fetchLimit, StoreError* error);
    // The snapshots with a date and a capacity that a chart `columns` wide draws: the first, the
    // last, and those of the lowest and the highest capacity of each of `columns` equal spans of
    // time between them (of whole days when a span is a day or longer), oldest first.
    std::optional<std::vector<std::shared_ptr<StoreRow>>> fetchCapacityExtremes(int columns,
                                                                                StoreError* error);
    // All rows in one transaction; on success each row gets its rowId.
    bool insert(const std::vector<std::shared_ptr<StoreRow>>& rows, StoreError* error);

private:
    explicit PersistentStoreCoordinator(const QString& path);
    bool open(StoreError& error);
    // The file's schema version, or none with the reason in error when it is one this version
    // cannot read.
    std::optional<int> readableSchemaVersion(StoreError& error);
    bool prepareSchema(StoreError& error);

    QString _path;
    QString _connectionName;
    QSqlDatabase _database;
    std::map<QString, QSqlQuery> _newestQueries;
};
