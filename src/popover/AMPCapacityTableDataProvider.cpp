// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCapacityTableDataProvider.h"

#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/StoreError.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableView>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

AMPCapacityTableDataProvider::AMPCapacityTableDataProvider(QObject* parent)
    : QAbstractTableModel(parent)
    , _logger(log4cplus::Logger::getInstance("ui.capacitytableprovider")) {}

void AMPCapacityTableDataProvider::awakeFromNib(QTableView& view) {
    _tableView = &view;
    view.setModel(this);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void AMPCapacityTableDataProvider::setConfiguration(GlobalConfigurationProvider* provider) {
    _configuration = provider;
}

void AMPCapacityTableDataProvider::loadSnapshots() {
    beginResetModel();
    _snapshots.reset();
    ManagedObjectContext* context = _configuration ? _configuration->context() : nullptr;
    if (context) {
        StoreError error;
        _snapshots = context->fetchNewest(BatteryStatusSnapshot::kEntityName, kFetchLimit, &error);
        if (!_snapshots) {
            const QString reason = error.description + u' ' + error.failureReason;
            LOG4CPLUS_ERROR(_logger,
                            "Error fetching for list of Snapshot: " << reason.toStdString());
        }
    }
    endResetModel();
}

void AMPCapacityTableDataProvider::setDesignCapacity(std::optional<quint64> designCapacity) {
    _designCapacity = designCapacity;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, capacityColumn), index(rowCount() - 1, capacityColumn),
                           {Qt::DisplayRole});
}

int AMPCapacityTableDataProvider::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !_snapshots ? 0 : int(_snapshots->size());
}

int AMPCapacityTableDataProvider::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant AMPCapacityTableDataProvider::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return DetailViewTexts::historyCell((*_snapshots)[size_t(index.row())], index.column(),
                                            _designCapacity);
    case Qt::ForegroundRole:
        return AmpraStyleKit::tableTextAttributedStringWithValue({}).foregroundColor;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

QVariant AMPCapacityTableDataProvider::headerData(int section, Qt::Orientation orientation,
                                                  int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::ForegroundRole)
        return AmpraStyleKit::tableTitleAttributedStringWithValue({}).foregroundColor;
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case dateColumn:
        //: Header of the history column with the day a capacity was recorded
        return tr("Date");
    case capacityColumn:
        //: Header of the history column with the full charge capacity in mAh
        return tr("Capacity (mAh)");
    case cyclesColumn:
        //: Header of the history column with the cycle count
        return tr("Cycles");
    default:
        return {};
    }
}
