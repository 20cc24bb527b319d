// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <log4cplus/logger.h>
#include <optional>

class DateProvider;

// One target instant (the reference) and how far away it is. Nothing happens when it passes:
// the owner polls.
class ElapsedTimeProvider {
public:
    explicit ElapsedTimeProvider(const DateProvider& dateProvider);

    // The target becomes now + interval, replacing any earlier one.
    void setReferenceForInterval(double interval);
    // The target becomes sinceDate + interval, so that a restored wait keeps counting from the
    // instant it began.
    void setReferenceForInterval(double interval, const QDateTime& sinceDate);
    // Seconds until the target; 0 without one or once it has passed.
    double timeLeftToReachReference() const;
    // The target lies strictly before now; never without a target.
    bool isReferenceReached() const;
    bool isReferenceSet() const { return _targetDate.has_value(); }
    void clearReference() { _targetDate.reset(); }

private:
    const DateProvider& _dateProvider;
    std::optional<QDateTime> _targetDate;
    log4cplus::Logger _logger;
};
