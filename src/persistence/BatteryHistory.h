// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ManagedObject.h"

#include <optional>
#include <vector>

class ManagedObjectContext;
struct StoreError;

// Every capacity snapshot and every calibration of the store, each list oldest first and the
// records without a date after the others: what the capacity chart draws and the export writes.
struct BatteryHistory {
    std::vector<ManagedObject> snapshots;
    std::vector<ManagedObject> calibrations;

    // None when either fetch fails, with the reason in error.
    static std::optional<BatteryHistory> fetch(const ManagedObjectContext& context,
                                               StoreError* error = nullptr);
    // What a chart `columns` pixels wide draws: of the saved snapshots with a date and a capacity
    // only the first, the last and each column's lowest and highest (see
    // ManagedObjectContext::fetchCapacityExtremes), and every calibration.
    static std::optional<BatteryHistory> fetchForChart(const ManagedObjectContext& context,
                                                       int columns, StoreError* error = nullptr);
};
