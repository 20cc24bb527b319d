// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CalibrationAlgorithm.h"

#include "CalibrationAlgorithmDelegate.h"
#include "battery/BatteryData.h"
#include "persistence/PreferenceProvider.h"

#include <array>
#include <log4cplus/loggingmacros.h>
#include <sstream>
#include <utility>

namespace {

std::string eventLogName(std::optional<CalibrationRelevantEvent> event) {
    if (!event)
        return "No Event";
    switch (*event) {
    case CalibrationRelevantEvent::powerOff:
        return "powerOff";
    case CalibrationRelevantEvent::sleep:
        return "Sleep";
    case CalibrationRelevantEvent::wakeUp:
        return "WakeUp";
    }
    return "No Event";
}

// The fields the machine decides on.
std::string sampleDescription(const BatteryData& data) {
    std::ostringstream text;
    text << std::boolalpha << "[isCharging:" << data.isCharging << ", isCharged:" << data.isCharged
         << ", currentChargePercentage:" << data.currentChargePercentage
         << ", acPowered:" << (data.powerSource == PowerSourceType::acPowered) << "]";
    return text.str();
}

// The state's name in its entry line.
const char* entryTitle(AlgorithmState state) {
    static constexpr std::array<const char*, 10> titles = {
        "CalibrationOff", "CalibrationInit", "Charging",     "Fully Charged", "Disconnect Adapter",
        "Discharging",    "Turn It Off",     "Computer Off", "After Wake Up", "Calibration Done",
    };
    const auto raw = std::size_t(state);
    return raw < titles.size() ? titles[raw] : "Unknown State";
}

// What a run decides on: the reading, the event, and what the state's rules ask of them.
struct Reading {
    const BatteryData& data;
    std::optional<CalibrationRelevantEvent> event;
    bool entered; // this run entered the state
    bool onMains;
    bool reached; // the minimum time in the state is served
    bool lowForComputerOff;
    bool lowAfterComputerOff;
};

using Next = std::optional<AlgorithmState>;

// One handler per state: the state to go to, if any.
Next fromCalibrationOff(const Reading& r) {
    // The run that enters this state ends in it; the next one starts the calibration.
    return r.entered ? Next() : AlgorithmState::initCalibration;
}

Next fromInitCalibration(const Reading& r) {
    return r.onMains && (r.data.isCharging || r.data.isCharged) ? AlgorithmState::charging : Next();
}

Next fromCharging(const Reading& r) {
    if (r.onMains && r.data.isCharged)
        return AlgorithmState::fullyCharged;
    return r.data.isCharging ? Next() : AlgorithmState::initCalibration;
}

Next fromFullyCharged(const Reading& r) {
    // Once the time on mains is served, unplugging is the next step, not a restart.
    if (r.reached)
        return AlgorithmState::disconnectAdapter;
    return !r.onMains || !r.data.isCharged ? AlgorithmState::initCalibration : Next();
}

Next fromDisconnectAdapter(const Reading& r) {
    return r.onMains ? Next() : AlgorithmState::discharging;
}

Next fromDischarging(const Reading& r) {
    if (r.onMains)
        return AlgorithmState::initCalibration;
    return r.lowForComputerOff ? AlgorithmState::turnItOff : Next();
}

Next fromTurnItOff(const Reading& r) {
    if (r.event == CalibrationRelevantEvent::powerOff || r.event == CalibrationRelevantEvent::sleep)
        return AlgorithmState::computerOff;
    if (r.reached && r.lowForComputerOff)
        return AlgorithmState::calibrationDone;
    return r.data.isCharging || r.data.isCharged ? AlgorithmState::initCalibration : Next();
}

Next fromComputerOff(const Reading& r) {
    // A wake that does not end the rest gives it up: time awake is no rest. On battery the user
    // can rest again at once; on mains the battery is charging already.
    if (r.reached && r.lowAfterComputerOff)
        return AlgorithmState::calibrationDone;
    if (r.event != CalibrationRelevantEvent::wakeUp)
        return Next();
    return r.onMains || r.data.isCharging ? AlgorithmState::initCalibration
                                          : AlgorithmState::turnItOff;
}

Next fromCalibrationDone(const Reading& r) {
    return r.reached ? AlgorithmState::initCalibration : Next();
}

Next nextState(AlgorithmState state, const Reading& reading) {
    switch (state) {
    case AlgorithmState::calibrationOff:
        return fromCalibrationOff(reading);
    case AlgorithmState::initCalibration:
        return fromInitCalibration(reading);
    case AlgorithmState::charging:
        return fromCharging(reading);
    case AlgorithmState::fullyCharged:
        return fromFullyCharged(reading);
    case AlgorithmState::disconnectAdapter:
        return fromDisconnectAdapter(reading);
    case AlgorithmState::discharging:
        return fromDischarging(reading);
    case AlgorithmState::turnItOff:
        return fromTurnItOff(reading);
    case AlgorithmState::computerOff:
        return fromComputerOff(reading);
    case AlgorithmState::afterWakeUp:
        return Next();
    case AlgorithmState::calibrationDone:
        return fromCalibrationDone(reading);
    }
    return Next();
}

} // namespace

CalibrationAlgorithm::CalibrationAlgorithm(const PreferenceProvider& preferenceProvider,
                                           const DateProvider& dateProvider)
    : _elapsedTimer(dateProvider)
    , _preferenceProvider(preferenceProvider)
    , _logger(log4cplus::Logger::getInstance("calibration.algorithm")) {}

void CalibrationAlgorithm::_runAlgorithmFiniteStateMachineWithData(
    const BatteryData& data, std::optional<CalibrationRelevantEvent> calibrationRelevantEvent) {
    // The first reading after a start restored asleep is the computer coming back.
    if (std::exchange(_restoredAsleep, false) && !calibrationRelevantEvent)
        calibrationRelevantEvent = CalibrationRelevantEvent::wakeUp;
    const std::string eventName = eventLogName(calibrationRelevantEvent);
    for (unsigned pass = 1;; ++pass) {
        if (pass > 1)
            LOG4CPLUS_INFO(_logger, "Algorithm LoopCounter: " << pass);
        evaluateState(data, calibrationRelevantEvent, eventName);
        if (!_isEnteringAState)
            break;
        // A new step never inherits the reference of the one it left.
        clearTimeReference();
        if (pass >= maxNumberOfIterations)
            break;
    }
    if (_algorithmState != _lastStableState && delegate)
        delegate->calibrationAlgorithmStateChanged(*this, _algorithmState);
    _lastStableState = _algorithmState;
}

void CalibrationAlgorithm::evaluateState(const BatteryData& data,
                                         std::optional<CalibrationRelevantEvent> event,
                                         const std::string& eventName) {
    const bool entered = runEntryBlock(data, eventName);
    const uint64_t charge = data.currentChargePercentage;
    const Reading reading{data,
                          event,
                          entered,
                          data.powerSource == PowerSourceType::acPowered,
                          _elapsedTimer.isReferenceReached(),
                          charge < _preferenceProvider.chargePercentageForComputerOff(),
                          charge < _preferenceProvider.chargePercentageAfterComputerOff()};
    if (const Next state = nextState(_algorithmState, reading))
        transitionTo(*state);
}

bool CalibrationAlgorithm::runEntryBlock(const BatteryData& data, const std::string& eventName) {
    if (!_isEnteringAState)
        return false;
    _isEnteringAState = false;
    std::ostringstream text;
    text << "Entering " << entryTitle(_algorithmState) << " with data " << sampleDescription(data);
    if (_algorithmState == AlgorithmState::turnItOff)
        text << " and event: " << eventName << " ";
    else if (_algorithmState == AlgorithmState::computerOff)
        text << " and event: " << eventName;
    LOG4CPLUS_INFO(_logger, text.str());
    if (const auto minimum = minimumTimeIn(_algorithmState))
        setTimeReference(*minimum);
    return true;
}

void CalibrationAlgorithm::transitionTo(AlgorithmState state) {
    _algorithmState = state;
    _isEnteringAState = true;
}

std::optional<double> CalibrationAlgorithm::minimumTimeIn(AlgorithmState state) const {
    switch (state) {
    case AlgorithmState::fullyCharged:
        return _preferenceProvider.minimumTimeInFullyCharged();
    case AlgorithmState::turnItOff:
    case AlgorithmState::computerOff:
        return _preferenceProvider.minimumTimeInComputerOff();
    case AlgorithmState::calibrationDone:
        return _preferenceProvider.minimumTimeInCalibrationDone();
    default:
        return std::nullopt;
    }
}

void CalibrationAlgorithm::setTimeReference(double interval) {
    if (_elapsedTimer.isReferenceSet()) {
        LOG4CPLUS_WARN(_logger,
                       "Setting a refenrece on already existing one with value: " << interval);
        return;
    }
    _elapsedTimer.setReferenceForInterval(interval);
    if (delegate)
        delegate->calibrationAlgorithmSetTimeStamp(*this);
}

void CalibrationAlgorithm::clearTimeReference() {
    _elapsedTimer.clearReference();
    if (delegate)
        delegate->calibrationAlgorithmUnsetTimeStamp(*this);
}

void CalibrationAlgorithm::_forceAlgorithmFiniteStateMachineToState(
    AlgorithmState state, std::optional<QDateTime> timeStamp) {
    const char* name = algorithmStateName(state);
    // A sample that keeps the forced state through the run below.
    BatteryData sample;
    switch (state) {
    case AlgorithmState::charging:
    case AlgorithmState::disconnectAdapter:
        sample.isCharging = true;
        break;
    case AlgorithmState::fullyCharged:
        sample.isCharging = true;
        sample.isCharged = true;
        break;
    case AlgorithmState::discharging:
    case AlgorithmState::turnItOff:
    case AlgorithmState::computerOff:
        // The rest is judged on the first real reading, not on a made-up charge.
        sample.powerSource = PowerSourceType::batteryPowered;
        sample.currentChargePercentage = 100;
        break;
    default:
        LOG4CPLUS_INFO(_logger, "No change make on force state " << name);
    }
    _algorithmState = state;

    if (timeStamp) {
        LOG4CPLUS_INFO(_logger, "Date reference "
                                    << timeStamp->toString(Qt::ISODateWithMs).toStdString()
                                    << ", set on force state " << name);
        // Set directly, so that the wait counts from the stored instant and the stored time
        // stamp is not rewritten; the entry block below then keeps this reference.
        if (const auto minimum = minimumTimeIn(state))
            _elapsedTimer.setReferenceForInterval(*minimum, *timeStamp);
        else
            LOG4CPLUS_ERROR(_logger, "No time reference set on force state " << name);
    }
    _isEnteringAState = true;
    _runAlgorithmFiniteStateMachineWithData(sample, std::nullopt);
    _restoredAsleep = state == AlgorithmState::computerOff;
}
