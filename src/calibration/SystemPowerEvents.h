// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class SystemPowerEventsListener;

// The source of sleep, power-off and wake notifications.
class SystemPowerEvents {
public:
    virtual ~SystemPowerEvents() = default;

    virtual void subscribe(SystemPowerEventsListener& listener) = 0;
    virtual void unsubscribe(SystemPowerEventsListener& listener) = 0;
};
