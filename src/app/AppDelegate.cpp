#include "AppDelegate.h"

#include "persistence/ApplicationFolder.h"
#include "shell/AppManager.h"
#include "shell/LogSystem.h"
#include "shell/PlatformServices.h"
#include "shell/StatusItemHost.h"

#include <QCoreApplication>

AppDelegate::AppDelegate(SettingsStore& settings, PlatformFactory platformFactory)
    : _settings(settings)
    , _platformFactory(std::move(platformFactory)) {}

AppDelegate::~AppDelegate() {
    applicationWillTerminate();
}

bool AppDelegate::applicationDidFinishLaunching() {
    if (applicationAlreadyRunning())
        return false;
    setupLogSystem();
    _platform = _platformFactory();
    if (StatusItemHost* statusItem = _platform->statusItemHost())
        statusItem->setQuitHandler([] { QCoreApplication::quit(); });
    _applicationManager = std::make_unique<AppManager>(*_platform, _settings);
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
