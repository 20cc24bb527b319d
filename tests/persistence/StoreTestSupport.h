#pragma once

#include "persistence/ErrorPresenter.h"
#include "persistence/StoreError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <vector>

// Keeps what the store would have shown the user.
class RecordingErrorPresenter : public ErrorPresenter {
public:
    void presentError(const StoreError& error) override { errors.push_back(error); }

    std::vector<StoreError> errors;
};

// A second connection to a store file, as another program (or sqlite3) would open it.
class SideConnection {
public:
    explicit SideConnection(const QString& path) {
        _database = QSqlDatabase::addDatabase("QSQLITE", kName);
        _database.setDatabaseName(path);
        _database.open();
    }
    ~SideConnection() {
        _database.close();
        _database = QSqlDatabase();
        QSqlDatabase::removeDatabase(kName);
    }
    SideConnection(const SideConnection&) = delete;
    SideConnection& operator=(const SideConnection&) = delete;

    bool exec(const QString& statement) { return QSqlQuery(_database).exec(statement); }
    QVariant value(const QString& statement) {
        QSqlQuery query(_database);
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

private:
    inline static const QString kName = "side-connection";
    QSqlDatabase _database;
};
