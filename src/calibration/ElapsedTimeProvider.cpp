// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ElapsedTimeProvider.h"

#include "DateProvider.h"

#include <algorithm>
#include <cmath>
#include <log4cplus/loggingmacros.h>

namespace {

// About 30 000 years: far enough to mean "never", near enough for date arithmetic.
constexpr double kLongestInterval = 1e12;

} // namespace

ElapsedTimeProvider::ElapsedTimeProvider(const DateProvider& dateProvider)
    : _dateProvider(dateProvider)
    , _logger(log4cplus::Logger::getInstance("calibration.elapsedTimeProvider")) {}

void ElapsedTimeProvider::setReferenceForInterval(double interval) {
    setReferenceForInterval(interval, _dateProvider.now());
}

void ElapsedTimeProvider::setReferenceForInterval(double interval, const QDateTime& sinceDate) {
    if (std::isnan(interval) || !sinceDate.isValid()) {
        LOG4CPLUS_WARN(_logger, "Ignoring a reference of "
                                    << interval << " seconds since "
                                    << sinceDate.toString(Qt::ISODateWithMs).toStdString()
                                    << "; no reference set");
        _targetDate.reset();
        return;
    }
    const double seconds = std::clamp(interval, -kLongestInterval, kLongestInterval);
    _targetDate = sinceDate.addMSecs(qint64(std::llround(seconds * 1000)));
}

double ElapsedTimeProvider::timeLeftToReachReference() const {
    if (!_targetDate)
        return 0;
    return std::max(0.0, double(_dateProvider.now().msecsTo(*_targetDate)) / 1000);
}

bool ElapsedTimeProvider::isReferenceReached() const {
    return _targetDate && *_targetDate < _dateProvider.now();
}
