// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "calibration/DateProvider.h"

#include <QTimeZone>
#include <cmath>

// A clock that stands still until the test moves it.
class FakeDateProvider : public DateProvider {
public:
    explicit FakeDateProvider(QDateTime start = QDateTime(QDate(2024, 3, 1), QTime(9, 0),
                                                          QTimeZone::utc()))
        : _now(std::move(start)) {}

    QDateTime now() const override { return _now; }
    void setNow(const QDateTime& date) { _now = date; }
    void advance(double seconds) { _now = _now.addMSecs(std::llround(seconds * 1000)); }

private:
    QDateTime _now;
};
