// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/PlatformServices.h"

#include <memory>

class DesktopAppearance;
class FreedesktopNotificationCenter;
class LinuxSystemProfile;
class LogindPowerEvents;
class PanelAppearance;
class PopupPlacement;
class TrayStatusItemHost;

// The one place that picks the Linux implementation of each platform facility.
class LinuxPlatformServices : public PlatformServices {
public:
    LinuxPlatformServices();
    ~LinuxPlatformServices() override;

    std::unique_ptr<BatteryDataProvider>
    createBatteryReader(bool automation, const DateProvider& dateProvider) override;
    std::unique_ptr<ChargeLimitControl> createChargeLimitControl() override;
    SystemPowerEvents* powerEvents() override;
    StatusItemHost* statusItemHost() override;
    UserNotificationCenter& notificationCenter() override;
    const AppearanceProvider& appearance() override;
    LoginItem& loginItem() override;
    std::unique_ptr<EmailSharingService> createEmailSharingService() override;
    const SystemProfileProvider& systemProfile() override;
    const PopupPlacement& popupPlacement() override;

private:
    std::unique_ptr<LogindPowerEvents> _powerEvents;
    std::unique_ptr<TrayStatusItemHost> _statusItemHost;
    std::unique_ptr<FreedesktopNotificationCenter> _notificationCenter;
    std::unique_ptr<DesktopAppearance> _desktopAppearance;
    std::unique_ptr<PanelAppearance> _appearance;
    std::unique_ptr<LoginItem> _loginItem;
    std::unique_ptr<LinuxSystemProfile> _systemProfile;
    std::unique_ptr<PopupPlacement> _popupPlacement;
};
