// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// The desktop's notification service: a notification is shown at once and nothing is read back.
class UserNotificationCenter {
public:
    virtual ~UserNotificationCenter() = default;

    // A critical notification may stay on screen until the user dismisses it.
    virtual void deliver(const QString& title, const QString& subtitle, bool critical) = 0;
};
