// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppDelegate.h"

#include "persistence/ApplicationFolder.h"
#include "persistence/SettingsStore.h"
#include "shell/AppManager.h"
#include "shell/LogSystem.h"
#include "shell/PlatformServices.h"
#include "statusbar/StatusItemHost.h"

#include <QCoreApplication>

AppDelegate::AppDelegate(PlatformFactory platformFactory)
    : _platformFactory(std::move(platformFactory)) {}

AppDelegate::~AppDelegate() {
    applicationWillTerminate();
}

bool AppDelegate::applicationDidFinishLaunching() {
    if (applicationAlreadyRunning()) {
        // Also in the running one's log, where a user asking why nothing opened looks.
        LogSystem::appendWarning(applicationDocumentsDirectory(), _instanceGuard.whyGivingWay());
        return false;
    }
    setupLogSystem();
    _platform = _platformFactory();
    if (StatusItemHost* statusItem = _platform->statusItemHost())
        statusItem->setQuitHandler([] { QCoreApplication::quit(); });
    // Opened after the logs, so that a settings file set aside is reported.
    _applicationManager = std::make_unique<AppManager>(*_platform, SettingsStore::standard());
    _applicationManager->startCalibrationControl();
    return true;
}

void AppDelegate::applicationWillTerminate() {
    if (!_applicationManager)
        return;
    _applicationManager->stopCalibrationControl();
    _applicationManager.reset();
}

bool AppDelegate::applicationAlreadyRunning() {
    return _instanceGuard.applicationAlreadyRunning();
}

void AppDelegate::setupLogSystem() {
    LogSystem::setup(applicationDocumentsDirectory());
}

QString AppDelegate::applicationDocumentsDirectory() {
    if (_applicationDocumentsDirectory.isEmpty())
        _applicationDocumentsDirectory = ApplicationFolder::path();
    return _applicationDocumentsDirectory;
}
