// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LinuxPlatformServices.h"

#include "DesktopAppearance.h"
#include "FreedesktopNotificationCenter.h"
#include "LinuxBatteryDataProviderFactory.h"
#include "LogindPowerEvents.h"
#include "TrayStatusItemHost.h"

LinuxPlatformServices::LinuxPlatformServices()
    : _powerEvents(std::make_unique<LogindPowerEvents>())
    , _statusItemHost(std::make_unique<TrayStatusItemHost>())
    , _notificationCenter(std::make_unique<FreedesktopNotificationCenter>())
    , _appearance(std::make_unique<DesktopAppearance>()) {}

LinuxPlatformServices::~LinuxPlatformServices() = default;

std::unique_ptr<BatteryDataProvider>
LinuxPlatformServices::createBatteryReader(bool automation, const DateProvider& dateProvider) {
    return LinuxBatteryDataProviderFactory::create(automation, dateProvider);
}

SystemPowerEvents* LinuxPlatformServices::powerEvents() {
    return _powerEvents.get();
}

StatusItemHost* LinuxPlatformServices::statusItemHost() {
    return _statusItemHost.get();
}

UserNotificationCenter& LinuxPlatformServices::notificationCenter() {
    return *_notificationCenter;
}

const AppearanceProvider& LinuxPlatformServices::appearance() {
    return *_appearance;
}
