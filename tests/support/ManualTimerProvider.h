// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "calibration/TimerProvider.h"

// A timer that fires only when the test calls fire(); like the real one it keeps the first timer.
class ManualTimerProvider : public TimerProvider {
public:
    void startTimerForObject(std::function<void()> callback, double seconds) override {
        if (_callback)
            return;
        _callback = std::move(callback);
        period = seconds;
    }
    void stopTimer() override { _callback = nullptr; }
    bool isTimerOn() const override { return bool(_callback); }
    void fire() {
        if (const auto callback = _callback)
            callback();
    }

    double period = 0;

private:
    std::function<void()> _callback;
};
