// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// Receives the system's sleep, power-off and wake notifications on the main thread. Each
// handler returns only once its consequences are written, so that the system may go on.
class SystemPowerEventsListener {
public:
    virtual ~SystemPowerEventsListener() = default;

    virtual void didReceiveWakeUpNotification() = 0;
    virtual void didReceivePowerOffNotification() = 0;
    virtual void didReceiveSleepNotification() = 0;
};
