// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "QtTimerProvider.h"

#include <cmath>
#include <limits>
#include <log4cplus/loggingmacros.h>

QtTimerProvider::QtTimerProvider(QObject* parent)
    : QObject(parent)
    , _timer(this)
    , _logger(log4cplus::Logger::getInstance("calibration.timerProvider")) {
    _timer.setSingleShot(false);
    connect(&_timer, &QTimer::timeout, this, &QtTimerProvider::fire);
}

void QtTimerProvider::startTimerForObject(std::function<void()> callback, double seconds) {
    if (_timer.isActive())
        return;
    const double milliseconds = std::round(seconds * 1000);
    // A period under a millisecond would spin the event loop; beyond int it cannot be set.
    if (!(milliseconds >= 1 && milliseconds <= std::numeric_limits<int>::max())) {
        LOG4CPLUS_WARN(_logger, "Refusing a timer with a period of " << seconds << " seconds");
        return;
    }
    _callback = std::move(callback);
    _timer.start(int(milliseconds));
}

void QtTimerProvider::stopTimer() {
    _timer.stop();
    _callback = nullptr;
}

void QtTimerProvider::fire() {
    // The callback may stop and restart the timer with another callback while it runs.
    const auto callback = _callback;
    callback();
}
