// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"

#include <QDateTime>

// Years of history: this many snapshots, one an hour back from now, and this many calibrations,
// one every four weeks.
constexpr int kSnapshots = 100000;
constexpr int kCalibrations = 60;

// Fills and saves the store; the newest calibration is `newestCalibrationDays` old, the
// calibrations `calibrationDays` apart.
inline bool fillStoreHistory(ManagedObjectContext& context, const QDateTime& now,
                             int newestCalibrationDays, int snapshots = kSnapshots,
                             int calibrations = kCalibrations, int calibrationDays = 28) {
    for (int i = 0; i < snapshots; ++i) {
        BatteryStatusSnapshot snapshot(context);
        snapshot.setDate(now.addSecs(-3600LL * i));
        snapshot.setCapacity(4500 - i / 1000 % 1000);
        snapshot.setCycleCount(900 - i / 100 % 900);
    }
    for (int i = 0; i < calibrations; ++i) {
        Calibration calibration(context);
        calibration.setDate(now.addDays(-newestCalibrationDays - qint64(calibrationDays) * i));
        calibration.setCapacity(4500 - i % 1000);
        calibration.setCycleCount(900 - i % 900);
    }
    return context.save();
}
