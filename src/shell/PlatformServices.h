#pragma once

#include <memory>

class AppearanceProvider;
class BatteryDataProvider;
class StatusItemHost;
class SystemPowerEvents;
class UserNotificationCenter;

// The platform's facilities, created in one place by the application and handed to the
// application manager. Every one of them may stand for a service the desktop lacks.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // The power source reader, with change notification when `automation` is on.
    virtual std::unique_ptr<BatteryDataProvider> createBatteryReader(bool automation) = 0;
    // None when the platform delivers no sleep, power-off or wake notifications.
    virtual SystemPowerEvents* powerEvents() = 0;
    // None when the desktop has no tray at all.
    virtual StatusItemHost* statusItemHost() = 0;
    virtual UserNotificationCenter& notificationCenter() = 0;
    virtual const AppearanceProvider& appearance() = 0;
};
