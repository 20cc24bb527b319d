// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <functional>

// The desktop's notification service: a notification is shown at once; only an action the user
// takes on it comes back.
class UserNotificationCenter {
public:
    virtual ~UserNotificationCenter() = default;

    // A critical notification may stay on screen until the user dismisses it.
    virtual void deliver(const QString& title, const QString& subtitle, bool critical) = 0;
    // With one action, offered as a button where the desktop shows them and taken by a click on
    // the notification: `action` runs when the user takes it.
    virtual void deliverWithAction(const QString& title, const QString& subtitle,
                                   const QString& actionTitle, std::function<void()> action) = 0;
};
