// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/AppWindows.h"

#include <QPointer>

class AMPPreferencesTabVC;
class AMPTutorialPageController;
class GlobalConfigurationProvider;
class SettingsStore;
class WindowActions;

// Keeps the preferences and the tutorial window, one of each while it is open: a second request
// brings the open one to the front. A window is dropped when the user closes it.
class WindowsController : public AppWindows {
public:
    WindowsController(SettingsStore& store, GlobalConfigurationProvider& configuration,
                      WindowActions& actions);
    ~WindowsController() override;

    void showPreferencesWindow() override;
    void showTutorialWindow() override;

    AMPPreferencesTabVC* preferencesWindow() const;
    AMPTutorialPageController* tutorialWindow() const;

private:
    SettingsStore& _store;
    GlobalConfigurationProvider& _configuration;
    WindowActions& _actions;
    QPointer<AMPPreferencesTabVC> _preferencesWindow;
    QPointer<AMPTutorialPageController> _tutorialWindow;
};
