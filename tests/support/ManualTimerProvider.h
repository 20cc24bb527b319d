#pragma once

#include "calibration/TimerProvider.h"

#include <utility>

// A timer that fires only when the test calls fire().
class ManualTimerProvider : public TimerProvider {
public:
    void startTimerForObject(std::function<void()> callback, double seconds) override {
        ++startRequests;
        if (_isTimerOn)
            return;
        _isTimerOn = true;
        _callback = std::move(callback);
        _period = seconds;
    }
    void stopTimer() override {
        _isTimerOn = false;
        _callback = nullptr;
    }
    bool isTimerOn() const override { return _isTimerOn; }

    // One tick, as the real timer gives once a period; nothing while stopped.
    void fire() {
        if (!_isTimerOn || !_callback)
            return;
        const auto callback = _callback;
        callback();
    }
    double period() const { return _period; }

    // Every call of startTimerForObject, also the ones ignored while a timer runs.
    int startRequests = 0;

private:
    bool _isTimerOn = false;
    std::function<void()> _callback;
    double _period = 0;
};
