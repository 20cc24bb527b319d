// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "WindowsController.h"

#include "AMPPreferencesTabVC.h"
#include "AMPTutorialPageController.h"

namespace {

void present(QWidget& window) {
    window.setAttribute(Qt::WA_DeleteOnClose);
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
}

AMPPreferencesTabVC* WindowsController::preferencesWindow() const {
    return _preferencesWindow;
}

AMPTutorialPageController* WindowsController::tutorialWindow() const {
    return _tutorialWindow;
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
