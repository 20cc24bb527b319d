// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "TimerProvider.h"

#include <QObject>
#include <QTimer>
#include <log4cplus/logger.h>

// The refresh timer on the Qt event loop of the thread that starts it. Qt timers keep firing
// while a menu or popup runs its own loop, so the refresh goes on while the user browses.
class QtTimerProvider : public QObject, public TimerProvider {
    Q_OBJECT

public:
    explicit QtTimerProvider(QObject* parent = nullptr);

    void startTimerForObject(std::function<void()> callback, double seconds) override;
    void stopTimer() override;
    bool isTimerOn() const override { return _timer.isActive(); }

private:
    void fire();

    QTimer _timer;
    std::function<void()> _callback;
    log4cplus::Logger _logger;
};
