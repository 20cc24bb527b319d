// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/AppWindows.h"

#include <QPointer>
#include <functional>

class AMPPreferencesTabVC;
class AMPTutorialPageController;
class BatteryData;
class BatteryDataHijackWC;
class GlobalConfigurationProvider;
class SettingsStore;
class WindowActions;

// Keeps the preferences and the tutorial window, one of each while it is open: a second request
// brings the open one to the front. A window is dropped when the user closes it; the developer's
// override window is not.
class WindowsController : public AppWindows {
public:
    WindowsController(SettingsStore& store, GlobalConfigurationProvider& configuration,
                      WindowActions& actions);
    ~WindowsController() override;

    void showPreferencesWindow() override;
    void showTutorialWindow() override;
    // The developer window that replaces the battery's readings, installed into `battery` the
    // first time. It is kept, closed or not, so that what it set stays for the whole run.
    // `refresh` reads the battery again.
    void showBatteryDataHijackWindow(BatteryData& battery, std::function<void()> refresh);

    AMPPreferencesTabVC* preferencesWindow() const;
    AMPTutorialPageController* tutorialWindow() const;
    BatteryDataHijackWC* batteryDataHijackWindow() const;

private:
    SettingsStore& _store;
    GlobalConfigurationProvider& _configuration;
    WindowActions& _actions;
    QPointer<AMPPreferencesTabVC> _preferencesWindow;
    QPointer<AMPTutorialPageController> _tutorialWindow;
    QPointer<BatteryDataHijackWC> _batteryDataHijackWindow;
};
