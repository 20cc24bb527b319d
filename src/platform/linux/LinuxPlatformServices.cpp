// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LinuxPlatformServices.h"

#include "BackgroundPortalLoginItem.h"
#include "DesktopAppearance.h"
#include "FreedesktopNotificationCenter.h"
#include "LinuxBatteryDataProviderFactory.h"
#include "LinuxSystemProfile.h"
#include "LogindPowerEvents.h"
#include "PanelAppearance.h"
#include "SysfsRoot.h"
#include "TrayStatusItemHost.h"
#include "UPowerChargeLimitControl.h"
#include "WaylandPopupPlacement.h"
#include "X11PopupPlacement.h"
#include "XdgAutostartLoginItem.h"
#include "XdgEmailSharingService.h"
#include "persistence/SettingsStore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

// Inside a sandbox the desktop's autostart folder is out of reach.
std::unique_ptr<LoginItem> createLoginItem() {
    if (BackgroundPortalLoginItem::isSandboxed())
        return std::make_unique<BackgroundPortalLoginItem>();
    return std::make_unique<XdgAutostartLoginItem>(QCoreApplication::applicationFilePath());
}

} // namespace

LinuxPlatformServices::LinuxPlatformServices()
    : _powerEvents(std::make_unique<LogindPowerEvents>())
    , _statusItemHost(std::make_unique<TrayStatusItemHost>())
    , _notificationCenter(std::make_unique<FreedesktopNotificationCenter>())
    , _desktopAppearance(std::make_unique<DesktopAppearance>())
    , _appearance(std::make_unique<PanelAppearance>(
          SettingsStore::standard(), *_desktopAppearance,
          qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)))
    , _loginItem(createLoginItem())
    , _systemProfile(std::make_unique<LinuxSystemProfile>(SysfsRoot::powerSupplyFolder())) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        _popupPlacement = std::make_unique<WaylandPopupPlacement>();
    else
        _popupPlacement = std::make_unique<X11PopupPlacement>(X11PopupPlacement::onXwayland());
}

LinuxPlatformServices::~LinuxPlatformServices() = default;

std::unique_ptr<BatteryDataProvider>
LinuxPlatformServices::createBatteryReader(bool automation, const DateProvider& dateProvider) {
    return LinuxBatteryDataProviderFactory::create(automation, dateProvider);
}

std::unique_ptr<ChargeLimitControl> LinuxPlatformServices::createChargeLimitControl() {
    return std::make_unique<UPowerChargeLimitControl>();
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

LoginItem& LinuxPlatformServices::loginItem() {
    return *_loginItem;
}

std::unique_ptr<EmailSharingService> LinuxPlatformServices::createEmailSharingService() {
    return std::make_unique<XdgEmailSharingService>();
}

const SystemProfileProvider& LinuxPlatformServices::systemProfile() {
    return *_systemProfile;
}

const PopupPlacement& LinuxPlatformServices::popupPlacement() {
    return *_popupPlacement;
}
