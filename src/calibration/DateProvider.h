// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>

// The engine's only way to learn the current date, so that tests can drive time.
class DateProvider {
public:
    virtual ~DateProvider() = default;

    // Read afresh on every call; in UTC.
    virtual QDateTime now() const = 0;
};
