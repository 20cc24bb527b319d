// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AlgorithmState.h"
#include "CalibrationState.h"

#include <QDateTime>
#include <log4cplus/logger.h>
#include <optional>

class BatteryData;
class CalibrationData;
class DateProvider;
class GlobalConfigurationProvider;
class ManagedObject;
class PreferenceProvider;
class StatePersistence;

// Turns the running state machine into a calibration schedule, and records each finished
// calibration and, when the battery becomes full, a capacity snapshot.
class CalibrationControl {
public:
    CalibrationControl(GlobalConfigurationProvider& configuration,
                       const DateProvider& dateProvider);

    std::optional<QDateTime> nextCalibrationDate() const;
    void restorePersistence();
    void evaluateCalibrationStateWithData(CalibrationData& data);
    void postponeCalibration();
    // The guide goes out through the battery manager's notices; nothing to do here.
    void guideThroughCalibration() {}

    CalibrationState calibrationState = CalibrationState::off;

private:
    std::optional<ManagedObject> _lastSavedCalibration() const;
    std::optional<QDateTime> nextCalibrationDate(const std::optional<ManagedObject>& last) const;
    // None when there is no saved calibration: that counts as due.
    std::optional<bool> _isCalibrationDue(const std::optional<ManagedObject>& last) const;
    bool _isThereRecentSnapshot() const;
    void _persistData();
    template <typename Record> void insertRecordFrom(const BatteryData& batteryData);

    GlobalConfigurationProvider& _configuration;
    PreferenceProvider& _perferences;
    StatePersistence& _statePersistence;
    const DateProvider& _dateProvider;
    log4cplus::Logger _logger;
    std::optional<AlgorithmState> _previousCalibrationAlgorithmState;
    std::optional<bool> _previousIsChargedState;
};
