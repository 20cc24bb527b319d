// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class DateProvider;

// Remaining times worth showing: a smoothed rate, measured from the charge when the hardware
// gives none, started afresh whenever the battery's situation changes.
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
    // trustworthy rate exists or the time is too long to mean anything (a nearly idle battery).
    struct Estimate {
        qint64 timeToEmpty = 0;
        qint64 timeToFull = 0;
    };

    explicit BatteryTimeEstimator(const DateProvider& dateProvider);

    Estimate update(const Reading& reading);

private:
    void startAfresh(const Reading& reading, const QDateTime& now);
    std::optional<double> measuredRate(const Reading& reading, const QDateTime& now);
    void smooth(double watts, const QDateTime& now);

    const DateProvider& _dateProvider;
    QDateTime _lastReadingAt;
    QString _status;
    bool _onMains = false;
    std::optional<double> _smoothedWatts;
    QDateTime _smoothedAt;
    QDateTime _referenceAt;
    std::optional<double> _referenceWh;
};
