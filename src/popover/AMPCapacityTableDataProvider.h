// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "persistence/ManagedObject.h"

#include <QAbstractTableModel>
#include <log4cplus/logger.h>
#include <optional>
#include <vector>

class GlobalConfigurationProvider;
class QTableView;

// The history table of the capacity view: the newest capacity snapshots with their date,
// capacity and cycle count.
class AMPCapacityTableDataProvider : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { dateColumn, capacityColumn, cyclesColumn };
    static constexpr int kColumnCount = 3;
    static constexpr int kFetchLimit = 100;

    explicit AMPCapacityTableDataProvider(QObject* parent = nullptr);

    // Shows this table in `tableView`.
    void awakeFromNib(QTableView& tableView);
    void setConfiguration(GlobalConfigurationProvider* configuration);
    // Replaces the rows with the newest snapshots of the store; none when the fetch fails.
    void loadSnapshots();

    const std::optional<quint64>& designCapacity() const { return _designCapacity; }
    void setDesignCapacity(std::optional<quint64> designCapacity);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QTableView* _tableView = nullptr;
    GlobalConfigurationProvider* _configuration = nullptr;
    std::optional<std::vector<ManagedObject>> _snapshots;
    std::optional<quint64> _designCapacity;
    log4cplus::Logger _logger;
};
