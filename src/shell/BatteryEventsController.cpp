// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryEventsController.h"

#include "UserNotificationCenter.h"
#include "calibration/BatteryManager.h"
#include "persistence/PreferenceProvider.h"
#include "popover/PopoverController.h"
#include "statusbar/StatusBarC.h"

BatteryEventsController::BatteryEventsController(StatusBarC& statusBarC, PopoverController& popover,
                                                 UserNotificationCenter& notificationCenter,
                                                 const PreferenceProvider& preferences)
    : _statusBarC(statusBarC)
    , _popover(popover)
    , _notificationCenter(notificationCenter)
    , _preferences(preferences) {}

void BatteryEventsController::batteryManagerDidFinishRunningCalibrationAlgorithWithData(
    BatteryManager&, const CalibrationData& data) {
    _statusBarC.refreshContentWithData(data);
    _popover.refreshContentWithData(data);
    _lastReceivedData = data;
}

void BatteryEventsController::batteryManagerDidDetectPowerSourceChangeTo(
    BatteryManager&, PowerSourceType powerSource) {
    deliver(NoticeTexts::powerSourceChange(powerSource));
}

void BatteryEventsController::batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(
    BatteryManager&, uint64_t threshold) {
    // The fixed minimum is the last warning before the machine switches itself off.
    const bool critical = threshold == _preferences.notificationMinimumCharge();
    deliver(NoticeTexts::lowCharge(threshold), critical);
}

void BatteryEventsController::batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(
    BatteryManager&, double) {
    deliver(NoticeTexts::connectedTooLong());
}

void BatteryEventsController::batteryManagerNotifyEventOnCalibrationProccessWithMessage(
    BatteryManager&, const std::optional<QString>& message) {
    if (message)
        deliver(NoticeTexts::calibrationStep(*message));
}

void BatteryEventsController::batteryManagerAskToLiftChargeLimit(BatteryManager& manager,
                                                                 uint64_t limit) {
    const NoticeTexts::Notice notice = NoticeTexts::chargeLimitLift(limit);
    // The manager outlives the notifications' actions: they come through the event loop.
    _notificationCenter.deliverWithAction(notice.title, notice.subtitle,
                                          NoticeTexts::chargeLimitLiftAction(),
                                          [&manager] { manager.liftChargeLimitForCalibration(); });
}

void BatteryEventsController::deliver(const NoticeTexts::Notice& notice, bool critical) {
    _notificationCenter.deliver(notice.title, notice.subtitle, critical);
}
