// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "WindowsController.h"

#include "AMPPreferencesTabVC.h"
#include "AMPTutorialPageController.h"
#include "BatteryDataHijackWC.h"
#include "battery/BatteryData.h"
#include "battery/BatteryDataHijackModel.h"

namespace {

// The override window is kept when closed: it holds what the developer set.
void present(QWidget& window, bool dropOnClose = true) {
    window.setAttribute(Qt::WA_DeleteOnClose, dropOnClose);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

WindowsController::WindowsController(SettingsStore& store,
                                     GlobalConfigurationProvider& configuration,
                                     WindowActions& actions)
    : _store(store)
    , _configuration(configuration)
    , _actions(actions) {}

WindowsController::~WindowsController() {
    delete _preferencesWindow;
    delete _tutorialWindow;
    delete _batteryDataHijackWindow;
}

AMPPreferencesTabVC* WindowsController::preferencesWindow() const {
    return _preferencesWindow;
}

AMPTutorialPageController* WindowsController::tutorialWindow() const {
    return _tutorialWindow;
}

BatteryDataHijackWC* WindowsController::batteryDataHijackWindow() const {
    return _batteryDataHijackWindow;
}

void WindowsController::showPreferencesWindow() {
    if (!_preferencesWindow)
        _preferencesWindow = new AMPPreferencesTabVC(_store, &_configuration, _actions, *this);
    present(*_preferencesWindow);
}

void WindowsController::showTutorialWindow() {
    if (!_tutorialWindow)
        _tutorialWindow = new AMPTutorialPageController(_store, _actions);
    present(*_tutorialWindow);
}

void WindowsController::showBatteryDataHijackWindow(BatteryData& battery,
                                                    std::function<void()> refresh) {
    if (!_batteryDataHijackWindow) {
        auto model = std::make_unique<BatteryDataHijackModel>();
        _batteryDataHijackWindow = new BatteryDataHijackWC(*model, std::move(refresh));
        battery.hijackWC = std::move(model);
    }
    present(*_batteryDataHijackWindow, false);
}
