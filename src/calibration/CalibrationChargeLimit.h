// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <functional>
#include <log4cplus/logger.h>
#include <memory>

class CalibrationData;
class ChargeLimitControl;
class PreferenceProvider;
class StatePersistence;

// Lifts the firmware's charge limit for a calibration once the user agrees, and switches it on
// again when the calibration ends. The lift is written down before it is asked for, so that the
// first start after a crash or a power loss switches the limit on again as well.
class CalibrationChargeLimit {
public:
    // Without a control nothing is offered, and a lift left by an earlier run stays written down.
    CalibrationChargeLimit(std::unique_ptr<ChargeLimitControl> control,
                           const PreferenceProvider& preferences,
                           StatePersistence& statePersistence);
    ~CalibrationChargeLimit();

    // After every update: switches a lifted limit on again once no calibration is under way, and
    // says in the record what can be done about the limit. True when the user is to be asked.
    bool update(CalibrationData& data);
    // The user's yes to the record's offer.
    void lift();
    void restore(const char* reason);

    // Runs when the limit changed or a call ended, so that the views follow.
    std::function<void()> changed;

private:
    std::unique_ptr<ChargeLimitControl> _control;
    const PreferenceProvider& _preferences;
    StatePersistence& _statePersistence;
    log4cplus::Logger _logger;
    bool _offered = false;
    // Asked in the calibration under way.
    bool _asked = false;
    bool _callUnderWay = false;
    // Not tried again in this run: the next start tries.
    bool _restoreFailed = false;
};
