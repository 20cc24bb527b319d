// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CalibrationChargeLimit.h"

#include "CalibrationData.h"
#include "ChargeLimitControl.h"
#include "battery/BatteryData.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/StatePersistence.h"

#include <log4cplus/loggingmacros.h>
#include <utility>

CalibrationChargeLimit::CalibrationChargeLimit(std::unique_ptr<ChargeLimitControl> control,
                                               const PreferenceProvider& preferences,
                                               StatePersistence& statePersistence)
    : _control(std::move(control))
    , _preferences(preferences)
    , _statePersistence(statePersistence)
    , _logger(log4cplus::Logger::getInstance("calibration.chargeLimit")) {
    if (_control)
        _control->attach([this] {
            if (changed)
                changed();
        });
}

// The control waits for a call under way; its result is still written down, but shown nowhere.
CalibrationChargeLimit::~CalibrationChargeLimit() {
    changed = nullptr;
    _control.reset();
}

bool CalibrationChargeLimit::update(CalibrationData& data) {
    const bool running = data.calibrationState == CalibrationState::pendingCalibration &&
                         data.calibrationAlgorithmState != AlgorithmState::calibrationDone;
    if (!running) {
        _asked = false;
        restore("no calibration is under way");
    }
    // The first step waits for a full charge that the limit never lets come.
    const bool firstStep = data.calibrationAlgorithmState == AlgorithmState::initCalibration ||
                           data.calibrationAlgorithmState == AlgorithmState::charging;
    _offered = running && firstStep && data.batteryData().chargeLimit < 100 && !_callUnderWay &&
               !_statePersistence.liftedChargeLimit() && _control && _control->isSupported() &&
               _control->isEnabled();
    if (_offered && _preferences.liftChargeLimitForCalibrations())
        lift();
    if (const auto lifted = _statePersistence.liftedChargeLimit(); lifted && running) {
        data.chargeLimitLift = CalibrationData::ChargeLimitLift::lifted;
        data.liftableChargeLimit = uint64_t(*lifted);
    } else if (_offered) {
        data.chargeLimitLift = CalibrationData::ChargeLimitLift::offered;
        data.liftableChargeLimit = _control->endThreshold();
    }
    return _offered && !std::exchange(_asked, true);
}

void CalibrationChargeLimit::lift() {
    if (!_offered)
        return;
    _offered = false;
    _callUnderWay = true;
    const uint64_t limit = _control->endThreshold();
    // Written first: whatever becomes of Ampra during the call, its next start switches it on.
    _statePersistence.setLiftedChargeLimit(qint64(limit));
    LOG4CPLUS_INFO(_logger, "Lifting the " << limit << "% charge limit for the calibration");
    // A refusal is logged by the control, which knows why.
    _control->enable(false, [this](bool done) {
        _callUnderWay = false;
        if (!done)
            _statePersistence.setLiftedChargeLimit(std::nullopt);
        if (changed)
            changed();
    });
}

void CalibrationChargeLimit::restore(const char* reason) {
    const auto limit = _statePersistence.liftedChargeLimit();
    // Before the control has read the battery, it cannot switch anything either.
    if (!limit || _callUnderWay || _restoreFailed || !_control || !_control->isSupported())
        return;
    _callUnderWay = true;
    LOG4CPLUS_INFO(_logger, "Switching the " << *limit << "% charge limit on again: " << reason);
    _control->enable(true, [this, limit = *limit](bool done) {
        _callUnderWay = false;
        if (done) {
            _statePersistence.setLiftedChargeLimit(std::nullopt);
            LOG4CPLUS_INFO(_logger, "The " << limit << "% charge limit is on again");
        } else {
            _restoreFailed = true;
            LOG4CPLUS_WARN(_logger, "The " << limit
                                           << "% charge limit is still lifted; the next start "
                                              "switches it on again");
        }
        if (changed)
            changed();
    });
}
