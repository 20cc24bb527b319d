// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationTableDataProvider.h"

#include "persistence/Calibration.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/StoreError.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

namespace {

// A styled text as the table's roles ask for it.
QVariant roleOf(const StyledText& style, int role) {
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return style.text;
    case Qt::FontRole:
        return style.font ? QVariant(*style.font) : QVariant();
    case Qt::ForegroundRole:
        return style.hasAttributes ? QVariant(style.foregroundColor) : QVariant();
    default:
        return {};
    }
}

} // namespace

AMPCalibrationTableDataProvider::AMPCalibrationTableDataProvider(QObject* parent)
    : QAbstractTableModel(parent)
    , _logger(log4cplus::Logger::getInstance("ui.calibrationtableprovider")) {}

void AMPCalibrationTableDataProvider::attach(QTableView& table, QLabel& description) {
    tableView = &table;
    tableDescriptionText = &description;
    table.setModel(this);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table.verticalHeader()->hide();
    AmpraStyleKit::helpTextAttributedStringWithValue(description.text()).applyTo(description);
}

void AMPCalibrationTableDataProvider::loadSnapshots() {
    beginResetModel();
    calibrations.reset();
    ManagedObjectContext* context = configuration ? configuration->context() : nullptr;
    StoreError error;
    if (!context)
        error.description = u"The data store is not open"_s;
    else
        calibrations = context->fetchNewest(Calibration::kEntityName, kFetchLimit, &error);
    if (!calibrations)
        LOG4CPLUS_ERROR(_logger, "Error fetching for list of calibrations: "
                                     << error.description.toStdString() << ' '
                                     << error.failureReason.toStdString());
    endResetModel();
}

void AMPCalibrationTableDataProvider::setDesignCapacity(std::optional<quint64> capacity) {
    if (capacity == designCapacity)
        return;
    designCapacity = capacity;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, capacityColumn), index(rowCount() - 1, capacityColumn));
}

int AMPCalibrationTableDataProvider::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !calibrations ? 0 : int(calibrations->size());
}

int AMPCalibrationTableDataProvider::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant AMPCalibrationTableDataProvider::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return roleOf(AmpraStyleKit::tableTextAttributedStringWithValue(DetailViewTexts::historyCell(
                      (*calibrations)[size_t(index.row())], index.column(), designCapacity)),
                  role);
}

QVariant AMPCalibrationTableDataProvider::headerData(int section, Qt::Orientation orientation,
                                                     int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    QString title;
    switch (section) {
    case dateColumn:
        //: Heading of the calibration history's column of dates
        title = tr("Date");
        break;
    case capacityColumn:
        //: Heading of the calibration history's column of capacities (mAh, share of the design)
        title = tr("Capacity (mAh)");
        break;
    case cyclesColumn:
        //: Heading of the calibration history's column of charge cycles
        title = tr("Cycles");
        break;
    default:
        return {};
    }
    return roleOf(AmpraStyleKit::tableTitleAttributedStringWithValue(title), role);
}
