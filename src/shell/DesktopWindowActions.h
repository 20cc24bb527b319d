// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "windows/WindowActions.h"

class AppManager;
class PlatformServices;

// What the windows ask for, done with the desktop's services and the application manager.
class DesktopWindowActions : public WindowActions {
public:
    DesktopWindowActions(PlatformServices& platform, AppManager& manager);

    bool lastRecordReportsNoBattery() const override;
    void setLoginItemEnabled(bool enabled) override;
    void showEnergySettings() override;
    void sendSupportRequestMail() override;
    void sendContactMail() override;
    void popOverToggleRequest() override;

private:
    PlatformServices& _platform;
    AppManager& _manager;
};
