// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "persistence/ErrorPresenter.h"
#include "persistence/StoreError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

class RecordingErrorPresenter : public ErrorPresenter {
public:
    void presentError(const StoreError& error) override { errors.push_back(error); }
    std::vector<StoreError> errors;
};

// A second connection to a store file, as another program would open it.
class SideConnection {
public:
    explicit SideConnection(const QString& path) {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "side");
        database.setDatabaseName(path);
        database.open();
    }
    ~SideConnection() { QSqlDatabase::removeDatabase("side"); }

    bool exec(const QString& statement) { return query().exec(statement); }
    QVariant value(const QString& statement) {
        QSqlQuery result = query();
        return result.exec(statement) && result.next() ? result.value(0) : QVariant();
    }

private:
    static QSqlQuery query() { return QSqlQuery(QSqlDatabase::database("side")); }
};
