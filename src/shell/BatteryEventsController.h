// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "NoticeTexts.h"
#include "calibration/BatteryManagerDelegate.h"
#include "calibration/CalibrationData.h"

#include <optional>

class PopoverController;
class PreferenceProvider;
class StatusBarC;
class UserNotificationCenter;

// The battery manager's delegate: each update's record goes to the views, each notice to the
// user's notifications.
class BatteryEventsController : public BatteryManagerDelegate {
public:
    BatteryEventsController(StatusBarC& statusBarC, PopoverController& popover,
                            UserNotificationCenter& notificationCenter,
                            const PreferenceProvider& preferences);

    const std::optional<CalibrationData>& lastReceivedData() const { return _lastReceivedData; }

    void
    batteryManagerDidFinishRunningCalibrationAlgorithWithData(BatteryManager& manager,
                                                              const CalibrationData& data) override;
    void batteryManagerDidDetectPowerSourceChangeTo(BatteryManager& manager,
                                                    PowerSourceType powerSource) override;
    void
    batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(BatteryManager& manager,
                                                                       uint64_t threshold) override;
    void batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager& manager,
                                                                           double length) override;
    void batteryManagerNotifyEventOnCalibrationProccessWithMessage(
        BatteryManager& manager, const std::optional<QString>& message) override;
    void batteryManagerAskToLiftChargeLimit(BatteryManager& manager, uint64_t limit) override;

private:
    void deliver(const NoticeTexts::Notice& notice, bool critical = false);

    StatusBarC& _statusBarC;
    PopoverController& _popover;
    UserNotificationCenter& _notificationCenter;
    const PreferenceProvider& _preferences;
    std::optional<CalibrationData> _lastReceivedData;
};
