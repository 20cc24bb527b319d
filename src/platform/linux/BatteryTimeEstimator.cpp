// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryTimeEstimator.h"

#include "calibration/DateProvider.h"

#include <cmath>

namespace {

// About KDE's: long enough to average a load that comes and goes every few seconds, short
// enough to follow a lasting change within minutes.
constexpr double kTimeConstantSeconds = 200;
// The first estimate waits until the counter covers this span: over less, one burst of load
// (and the counter's coarse steps) weighs too much.
constexpr qint64 kMinimumMeasuringSeconds = 180;
// The counter's rate is taken over at most this span, so that a change of load shows soon.
constexpr qint64 kMeasuringWindowSeconds = 300;
// A longer silence means the machine slept: what was learnt before says nothing now.
constexpr qint64 kMaximumGapSeconds = 300;
// Outside this range a rate is an idle battery or a firmware glitch.
constexpr double kMinimumWatts = 0.1;
constexpr double kMaximumWatts = 300;
// The status item shows a day or more wrapped around, as a short time; such times come from a
// battery that barely moves and are no forecast.
constexpr qint64 kMaximumMinutesToEmpty = 24 * 60 - 1;
constexpr qint64 kMaximumMinutesToFull = 20 * 60;

bool plausible(double watts) {
    return watts >= kMinimumWatts && watts <= kMaximumWatts;
}

qint64 minutes(double energyWh, double watts, qint64 maximum) {
    const qint64 result = std::llround(energyWh / watts * 60.0);
    return result > maximum ? -1 : result;
}

} // namespace

BatteryTimeEstimator::BatteryTimeEstimator(const DateProvider& dateProvider)
    : _dateProvider(dateProvider) {}

BatteryTimeEstimator::Estimate BatteryTimeEstimator::update(const Reading& reading) {
    const QDateTime now = _dateProvider.now();
    const qint64 gap = _lastReadingAt.isValid() ? _lastReadingAt.secsTo(now) : -1;
    if (gap < 0 || gap > kMaximumGapSeconds || reading.status != _status ||
        reading.onMains != _onMains)
        startAfresh(reading, now);
    learn(reading, now);

    const bool known =
        _smoothedWatts && _startedAt.secsTo(now) >= kMinimumMeasuringSeconds && reading.energyNowWh;
    Estimate estimate;
    if (reading.status == QLatin1String("Discharging")) {
        estimate.timeToEmpty =
            known ? minutes(*reading.energyNowWh, *_smoothedWatts, kMaximumMinutesToEmpty) : -1;
    } else if (reading.status == QLatin1String("Charging")) {
        estimate.timeToFull =
            known && reading.energyFullWh
                ? minutes(std::max(0.0, *reading.energyFullWh - *reading.energyNowWh),
                          *_smoothedWatts, kMaximumMinutesToFull)
                : -1;
    }
    return estimate;
}

void BatteryTimeEstimator::sample(const Reading& reading) {
    const QDateTime now = _dateProvider.now();
    if (reading.status == _status && reading.onMains == _onMains && _lastReadingAt.isValid() &&
        _lastReadingAt.secsTo(now) <= kMaximumGapSeconds)
        learn(reading, now);
}

void BatteryTimeEstimator::startAfresh(const Reading& reading, const QDateTime& now) {
    _startedAt = now;
    _status = reading.status;
    _onMains = reading.onMains;
    _smoothedWatts.reset();
    _energy.clear();
}

void BatteryTimeEstimator::learn(const Reading& reading, const QDateTime& now) {
    _lastReadingAt = now;
    if (const auto counted = countedRate(reading, now)) {
        smooth(*counted, now);
        return;
    }
    // A battery without a counter, or one whose counter stood still for the whole window.
    const bool counterUseless =
        _energy.empty() || _energy.front().first.secsTo(now) >= kMeasuringWindowSeconds;
    if (counterUseless && reading.rateWatts && plausible(*reading.rateWatts))
        smooth(*reading.rateWatts, now);
}

// The average rate since the oldest counter reading of the window: the counter sums up every
// moment of load, where the hardware's rate may be a glimpse of one.
std::optional<double> BatteryTimeEstimator::countedRate(const Reading& reading,
                                                        const QDateTime& now) {
    if (!reading.energyNowWh)
        return std::nullopt;
    while (_energy.size() > 1 && _energy[1].first.secsTo(now) >= kMeasuringWindowSeconds)
        _energy.pop_front();
    _energy.emplace_back(now, *reading.energyNowWh);
    const auto& [since, energyThen] = _energy.front();
    const qint64 seconds = since.secsTo(now);
    const double change = std::abs(*reading.energyNowWh - energyThen);
    if (seconds < kMinimumMeasuringSeconds || change == 0)
        return std::nullopt;
    const double watts = change * 3600.0 / double(seconds);
    return plausible(watts) ? std::optional(watts) : std::nullopt;
}

// Exponential moving average; the weight follows the time since the last sample, so the time
// constant does not depend on how often the battery is read.
void BatteryTimeEstimator::smooth(double watts, const QDateTime& now) {
    if (!_smoothedWatts) {
        _smoothedWatts = watts;
    } else {
        const double seconds = std::max<qint64>(0, _smoothedAt.msecsTo(now)) / 1000.0;
        const double weight = 1.0 - std::exp(-seconds / kTimeConstantSeconds);
        *_smoothedWatts += weight * (watts - *_smoothedWatts);
    }
    _smoothedAt = now;
}
