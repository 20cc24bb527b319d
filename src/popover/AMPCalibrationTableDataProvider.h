// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "persistence/ManagedObject.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <log4cplus/logger.h>
#include <optional>
#include <vector>

class GlobalConfigurationProvider;
class QLabel;
class QTableView;

// The history of completed calibrations, newest first: date, capacity and cycle count.
class AMPCalibrationTableDataProvider : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kFetchLimit = 100;
    enum Column { dateColumn = 0, capacityColumn = 1, cyclesColumn = 2, columnCount_ = 3 };

    explicit AMPCalibrationTableDataProvider(QObject* parent = nullptr);

    // Shows the history in `table`, under `description`.
    void attach(QTableView& table, QLabel& description);
    void loadSnapshots();
    void setDesignCapacity(std::optional<quint64> capacity);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QLabel* tableDescriptionText = nullptr; // not owned
    QTableView* tableView = nullptr;        // not owned
    std::optional<quint64> designCapacity;
    GlobalConfigurationProvider* configuration = nullptr; // not owned
    std::optional<std::vector<ManagedObject>> calibrations;

private:
    log4cplus::Logger _logger;
};
