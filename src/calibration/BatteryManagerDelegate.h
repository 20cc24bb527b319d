// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceType.h"

#include <QString>
#include <cstdint>
#include <optional>

class BatteryManager;
class CalibrationData;

// How the battery manager reports results and notices to the application.
class BatteryManagerDelegate {
public:
    virtual ~BatteryManagerDelegate() = default;

    virtual void
    batteryManagerDidFinishRunningCalibrationAlgorithWithData(BatteryManager& manager,
                                                              const CalibrationData& data) = 0;
    virtual void batteryManagerDidDetectPowerSourceChangeTo(BatteryManager& manager,
                                                            PowerSourceType powerSource) = 0;
    // `threshold` is the threshold that was crossed: the chosen one or the fixed minimum.
    virtual void
    batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(BatteryManager& manager,
                                                                       uint64_t threshold) = 0;
    // `length` is negative: the start of the stretch measured from now.
    virtual void
    batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager& manager,
                                                                      double length) = 0;
    virtual void batteryManagerNotifyEventOnCalibrationProccessWithMessage(
        BatteryManager& manager, const std::optional<QString>& message) = 0;
    // Once a calibration: whether the firmware's `limit` (percent) may be lifted until it ends.
    virtual void batteryManagerAskToLiftChargeLimit(BatteryManager& manager, uint64_t limit) = 0;
};
