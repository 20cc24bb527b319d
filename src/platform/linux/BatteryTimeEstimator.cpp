// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryTimeEstimator.h"

#include "calibration/DateProvider.h"

#include <cmath>

namespace {

// A few minutes: steady enough to show, quick enough to follow a change of load.
constexpr double kTimeConstantSeconds = 180;
// Charge counters move in coarse steps; shorter spans give rates that jump.
constexpr qint64 kMinimumMeasuringSeconds = 120;
// A longer silence means the machine slept: what was learnt before says nothing now.
constexpr qint64 kMaximumGapSeconds = 300;
// Outside this range a reported rate is an idle battery or a firmware glitch.
constexpr double kMinimumWatts = 0.1;
constexpr double kMaximumWatts = 300;
// Longer times come from a battery that barely moves; they are no forecast.
constexpr qint64 kMaximumMinutesToEmpty = 240 * 60;
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
    _lastReadingAt = now;

    if (reading.rateWatts && plausible(*reading.rateWatts))
        smooth(*reading.rateWatts, now);
    else if (const auto measured = measuredRate(reading, now); measured && plausible(*measured))
        smooth(*measured, now);

    Estimate estimate;
    if (reading.status == QLatin1String("Discharging")) {
        estimate.timeToEmpty =
            _smoothedWatts && reading.energyNowWh
                ? minutes(*reading.energyNowWh, *_smoothedWatts, kMaximumMinutesToEmpty)
                : -1;
    } else if (reading.status == QLatin1String("Charging")) {
        estimate.timeToFull =
            _smoothedWatts && reading.energyNowWh && reading.energyFullWh
                ? minutes(std::max(0.0, *reading.energyFullWh - *reading.energyNowWh),
                          *_smoothedWatts, kMaximumMinutesToFull)
                : -1;
    }
    return estimate;
}

void BatteryTimeEstimator::startAfresh(const Reading& reading, const QDateTime& now) {
    _status = reading.status;
    _onMains = reading.onMains;
    _smoothedWatts.reset();
    _referenceAt = now;
    _referenceWh = reading.energyNowWh;
}

// The rate from the change of charge since the reference reading, once enough time has passed
// and the counter has moved.
std::optional<double> BatteryTimeEstimator::measuredRate(const Reading& reading,
                                                         const QDateTime& now) {
    if (!reading.energyNowWh || !_referenceWh) {
        _referenceAt = now;
        _referenceWh = reading.energyNowWh;
        return std::nullopt;
    }
    const qint64 seconds = _referenceAt.secsTo(now);
    const double change = std::abs(*reading.energyNowWh - *_referenceWh);
    if (seconds < kMinimumMeasuringSeconds || change == 0)
        return std::nullopt;
    _referenceAt = now;
    _referenceWh = reading.energyNowWh;
    return change * 3600.0 / double(seconds);
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
