// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <memory>

class AppearanceProvider;
class BatteryDataProvider;
class ChargeLimitControl;
class DateProvider;
class EmailSharingService;
class LoginItem;
class PopupPlacement;
class StatusItemHost;
class SystemPowerEvents;
class SystemProfileProvider;
class UserNotificationCenter;

// The platform's facilities, created in one place by the application and handed to the
// application manager. Every one of them may stand for a service the desktop lacks.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // The power source reader, with change notification when `automation` is on; it reads the
    // time from `dateProvider`, which must outlive it.
    virtual std::unique_ptr<BatteryDataProvider>
    createBatteryReader(bool automation, const DateProvider& dateProvider) = 0;
    // The switch of the firmware's charge limit; it tells itself whether it works.
    virtual std::unique_ptr<ChargeLimitControl> createChargeLimitControl() = 0;
    // None when the platform delivers no sleep, power-off or wake notifications.
    virtual SystemPowerEvents* powerEvents() = 0;
    // None when the desktop has no tray at all.
    virtual StatusItemHost* statusItemHost() = 0;
    virtual UserNotificationCenter& notificationCenter() = 0;
    virtual const AppearanceProvider& appearance() = 0;
    virtual LoginItem& loginItem() = 0;
    // A mail composer for one mail; none when the desktop has none.
    virtual std::unique_ptr<EmailSharingService> createEmailSharingService() = 0;
    virtual const SystemProfileProvider& systemProfile() = 0;
    virtual const PopupPlacement& popupPlacement() = 0;
};
