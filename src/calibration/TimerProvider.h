// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <functional>

// One repeating timer on the main thread that calls back at a fixed period.
class TimerProvider {
public:
    virtual ~TimerProvider() = default;

    // Installs a timer that runs `callback` (the target and what to call on it) every `seconds`,
    // first one period from now. Does nothing at all while a timer is installed.
    virtual void startTimerForObject(std::function<void()> callback, double seconds) = 0;
    // Removes the timer, if any: no further callbacks.
    virtual void stopTimer() = 0;
    virtual bool isTimerOn() const = 0;
};
