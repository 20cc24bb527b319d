// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DesktopWindowActions.h"

#include "AppManager.h"
#include "DesktopPowerSettings.h"
#include "LoginItem.h"
#include "MailSupportHandler.h"
#include "PlatformServices.h"
#include "battery/BatteryData.h"
#include "persistence/ApplicationFolder.h"

#include <QCursor>

DesktopWindowActions::DesktopWindowActions(PlatformServices& platform, AppManager& manager)
    : _platform(platform)
    , _manager(manager) {}

bool DesktopWindowActions::lastRecordReportsNoBattery() const {
    const auto& record = _manager.lastReceivedData();
    return record && record->batteryData().noBattery;
}

void DesktopWindowActions::setLoginItemEnabled(bool enabled) {
    _platform.loginItem().setLoginItemEnabled(enabled);
}

void DesktopWindowActions::showEnergySettings() {
    DesktopPowerSettings::open();
}

void DesktopWindowActions::sendSupportRequestMail() {
    MailSupportHandler(_platform.createEmailSharingService(), _platform.systemProfile(),
                       ApplicationFolder::path())
        .sendSupportRequestMail();
}

void DesktopWindowActions::sendContactMail() {
    MailSupportHandler(_platform.createEmailSharingService(), _platform.systemProfile(),
                       ApplicationFolder::path())
        .sendContactMail();
}

void DesktopWindowActions::popOverToggleRequest() {
    // Asked from a window, not from the item: the popover opens by the pointer.
    _manager.popOverToggleRequest(StatusItemClick{QCursor::pos(), QRect()});
}
