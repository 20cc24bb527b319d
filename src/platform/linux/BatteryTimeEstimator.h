// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <QString>
#include <deque>
#include <optional>

class DateProvider;

// Remaining times worth showing: the rate measured from the battery's energy counter over a few
// minutes and smoothed, started afresh whenever the battery's situation changes. The hardware's
// own rate, often a momentary one, serves only when the counter does not move.
class BatteryTimeEstimator {
public:
    struct Reading {
        QString status; // the kernel's text: Charging, Discharging, Full, Not charging, Unknown
        bool onMains = false;
        std::optional<double> rateWatts; // magnitude reported by the hardware
        std::optional<double> energyNowWh;
        std::optional<double> energyFullWh;
    };

    // Minutes; the time that does not apply is 0, the one that applies is -1 while no
    // trustworthy rate exists or the time is a day or more (a nearly idle battery).
    struct Estimate {
        qint64 timeToEmpty = 0;
        qint64 timeToFull = 0;
    };

    // A discharging battery is worth a sample this long after each update, half-way to the next:
    // more readings would only wake the machine more often.
    static constexpr int kSampleSeconds = 30;

    explicit BatteryTimeEstimator(const DateProvider& dateProvider);

    Estimate update(const Reading& reading);
    // A reading between updates: learns from it if the situation is the same, else waits for
    // the next update to start afresh.
    void sample(const Reading& reading);

private:
    void startAfresh(const Reading& reading, const QDateTime& now);
    void learn(const Reading& reading, const QDateTime& now);
    std::optional<double> countedRate(const Reading& reading, const QDateTime& now);
    void smooth(double watts, const QDateTime& now);

    const DateProvider& _dateProvider;
    QDateTime _startedAt;
    QDateTime _lastReadingAt;
    QString _status;
    bool _onMains = false;
    std::optional<double> _smoothedWatts;
    QDateTime _smoothedAt;
    // The energy counter's recent readings, oldest first.
    std::deque<std::pair<QDateTime, double>> _energy;
};
