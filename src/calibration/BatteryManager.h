// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AlgorithmState.h"
#include "CalibrationAlgorithmDelegate.h"
#include "CalibrationChargeLimit.h"
#include "CalibrationData.h"
#include "CalibrationRelevantEvent.h"
#include "ChargeLimitControl.h"
#include "SystemPowerEventsListener.h"
#include "battery/PowerSourceType.h"

#include <QDateTime>
#include <log4cplus/logger.h>
#include <memory>
#include <optional>

class BatteryData;
class BatteryManagerDelegate;
class CalibrationAlgorithm;
class CalibrationControl;
class DateProvider;
class GlobalConfigurationProvider;
class PreferenceProvider;
class StatePersistence;
class SystemPowerEvents;
class TimerProvider;

// The engine's coordinator: on every update it refreshes the sample, runs the state machine,
// builds the status record, persists the states, reports to its delegate and decides the
// notices; system sleep, power-off and wake become events of the state machine.
class BatteryManager : public CalibrationAlgorithmDelegate, public SystemPowerEventsListener {
public:
    // `notificationCenter` may be absent (no system events) and is not owned; the date provider
    // must outlive the manager. Without `chargeLimitControl` a charge limit is only explained.
    BatteryManager(std::unique_ptr<BatteryData> batteryData,
                   std::unique_ptr<CalibrationAlgorithm> calibrationAlgorithm,
                   std::unique_ptr<TimerProvider> timerProvider,
                   SystemPowerEvents* notificationCenter,
                   std::unique_ptr<CalibrationControl> calibrationControl,
                   GlobalConfigurationProvider& configuration, const DateProvider& dateProvider,
                   std::unique_ptr<ChargeLimitControl> chargeLimitControl = nullptr);
    ~BatteryManager() override;

    void startCalibrationControl();
    void stopCalibrationControl();
    void refresh();
    void postponeCalibration();
    void guideThroughCalibration();
    // The user agreed to charge to full for the calibration under way.
    void liftChargeLimitForCalibration();
    void restorePersistence();
    CalibrationData calibrationData();

    void didReceiveWakeUpNotification() override;
    void didReceivePowerOffNotification() override;
    void didReceiveSleepNotification() override;

    void calibrationAlgorithmStateChanged(CalibrationAlgorithm& algorithm,
                                          AlgorithmState state) override;
    void calibrationAlgorithmSetTimeStamp(CalibrationAlgorithm& algorithm) override;
    void calibrationAlgorithmUnsetTimeStamp(CalibrationAlgorithm& algorithm) override;

    const BatteryData& batteryData() const { return *_batteryData; }
    // Where the developer override is installed.
    BatteryData& batteryData() { return *_batteryData; }
    const CalibrationAlgorithm& calibrationAlgorithm() const { return *_calibrationAlgorith; }
    const CalibrationControl& calibrationControl() const { return *_calibrationControl; }

    bool isCalibrationOn = false;
    BatteryManagerDelegate* delegate = nullptr; // not owned
    std::optional<QDateTime> lastTimeItWasUnplugged;
    bool delegateIsWarnAboutLongTimeConnected = false;
    bool delegateIsInformedAboutChargeUnderTheThreshold = false;
    bool delegateIsInformedAboutChargeUnderMinimumPercent = false;

private:
    CalibrationData runWithEvent(std::optional<CalibrationRelevantEvent> event);
    void persistStates(const CalibrationData& data);
    void applyPowerSourceRule(const CalibrationData& data);
    void applyChargeRules(uint64_t charge);
    void notifyUnderThreshold(uint64_t charge, uint64_t threshold, bool& informed);
    void applyConnectedTooLongRule(const BatteryData& sample);
    void applyGuideMessageRule(const CalibrationData& data);

    std::unique_ptr<BatteryData> _batteryData;
    std::unique_ptr<CalibrationAlgorithm> _calibrationAlgorith;
    std::unique_ptr<TimerProvider> _timerProvider;
    const double _kRefreshPediod = 60;
    SystemPowerEvents* _notificationCenter;
    std::unique_ptr<CalibrationControl> _calibrationControl;
    PreferenceProvider& _preferenceProvider;
    StatePersistence& _statePersistence;
    PowerSourceType _previousPowerSource = PowerSourceType::unknownPower;
    const DateProvider& _dateProvider;
    CalibrationChargeLimit _chargeLimit;
    log4cplus::Logger _logger;
    AlgorithmState _previousCalibrationAlgorithmState = AlgorithmState::calibrationOff;
    // The sample's noBattery as last logged.
    bool _noBatteryLogged = false;
};
