// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AlgorithmState.h"
#include "CalibrationRelevantEvent.h"
#include "ElapsedTimeProvider.h"

#include <QDateTime>
#include <log4cplus/logger.h>
#include <optional>
#include <string>

class BatteryData;
class CalibrationAlgorithmDelegate;
class DateProvider;
class PreferenceProvider;

// The finite state machine that walks through one battery calibration. It runs on every
// refresh and system event, keeps the time reference of the step that needs a minimum
// duration, and tells its delegate about references and state changes.
class CalibrationAlgorithm {
public:
    // Passes of one run at most; a run that needs more finishes on the next one.
    static constexpr unsigned maxNumberOfIterations = 6;

    CalibrationAlgorithm(const PreferenceProvider& preferenceProvider,
                         const DateProvider& dateProvider);

    // Not owned; without one the machine runs the same and tells nobody.
    CalibrationAlgorithmDelegate* delegate = nullptr;
    // One evaluation with the sample and, for a system event, that event.
    void _runAlgorithmFiniteStateMachineWithData(
        const BatteryData& data, std::optional<CalibrationRelevantEvent> calibrationRelevantEvent);
    // Restores a persisted state; `timeStamp` is the instant the state was entered.
    void _forceAlgorithmFiniteStateMachineToState(AlgorithmState state,
                                                  std::optional<QDateTime> timeStamp);
    // Sets the reference to now + interval unless one exists.
    void setTimeReference(double interval);
    void clearTimeReference();
    // Seconds left until the reference; 0 without one or once it has passed.
    double timeRemainingIfAny() const { return _elapsedTimer.timeLeftToReachReference(); }

    AlgorithmState algorithmState() const { return _algorithmState; }
    const ElapsedTimeProvider& elapsedTimer() const { return _elapsedTimer; }

private:
    // The tests read the entry flag.
    friend struct CalibrationAlgorithmProbe;

    void evaluateState(const BatteryData& data, std::optional<CalibrationRelevantEvent> event,
                       const std::string& eventName);
    bool runEntryBlock(const BatteryData& data, const std::string& eventName);
    void transitionTo(AlgorithmState state);
    std::optional<double> minimumTimeIn(AlgorithmState state) const;

    ElapsedTimeProvider _elapsedTimer;
    // The current state was just entered and its entry actions have not run yet.
    bool _isEnteringAState = false;
    AlgorithmState _algorithmState = AlgorithmState::calibrationOff;
    AlgorithmState _lastStableState = AlgorithmState::calibrationOff;
    // Restored in computerOff and not run since.
    bool _restoredAsleep = false;
    const PreferenceProvider& _preferenceProvider;
    log4cplus::Logger _logger;
};
