// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryHistory.h"

#include "BatteryStatusSnapshot.h"
#include "Calibration.h"
#include "ManagedObjectContext.h"

#include <algorithm>

namespace {

// The context lists the newest first and the undated last.
std::optional<std::vector<ManagedObject>>
oldestFirst(const ManagedObjectContext& context, const QString& entityName, StoreError* error) {
    auto records = context.fetchNewest(entityName, 0, error);
    if (records) {
        const auto undated =
            std::find_if(records->begin(), records->end(),
                         [](const ManagedObject& record) { return !record.date(); });
        std::reverse(records->begin(), undated);
    }
    return records;
}

std::optional<BatteryHistory> withCalibrations(const ManagedObjectContext& context,
                                               std::optional<std::vector<ManagedObject>> snapshots,
                                               StoreError* error) {
    if (!snapshots)
        return std::nullopt;
    auto calibrations = oldestFirst(context, Calibration::kEntityName, error);
    if (!calibrations)
        return std::nullopt;
    return BatteryHistory{std::move(*snapshots), std::move(*calibrations)};
}

} // namespace

std::optional<BatteryHistory> BatteryHistory::fetch(const ManagedObjectContext& context,
                                                    StoreError* error) {
    return withCalibrations(context,
                            oldestFirst(context, BatteryStatusSnapshot::kEntityName, error), error);
}

std::optional<BatteryHistory> BatteryHistory::fetchForChart(const ManagedObjectContext& context,
                                                            int columns, StoreError* error) {
    return withCalibrations(context, context.fetchCapacityExtremes(columns, error), error);
}
