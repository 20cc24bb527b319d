// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppManager.h"

#include "BatteryEventsController.h"
#include "DesktopWindowActions.h"
#include "DisplaySettingsObserver.h"
#include "NoTrayNotice.h"
#include "PlatformServices.h"
#include "WebVersionSupport.h"
#include "battery/BatteryData.h"
#include "battery/BatteryDataProvider.h"
#include "calibration/BatteryManager.h"
#include "calibration/CalibrationAlgorithm.h"
#include "calibration/CalibrationControl.h"
#include "calibration/ChargeLimitControl.h"
#include "calibration/QtTimerProvider.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/StatePersistence.h"
#include "popover/AppWindows.h"
#include "popover/DetailViewFactory.h"
#include "popover/PopoverController.h"
#include "statusbar/StatusBarC.h"
#include "statusbar/StatusItemHost.h"
#include "windows/WindowsController.h"

#include <QCoreApplication>
#include <QTimer>

AppManager::AppManager(PlatformServices& platform, SettingsStore& settings, AppWindows* windows)
    : _versionSupport(
          WebVersionSupport::create(settings, _dateProvider, platform.notificationCenter()))
    , _configuration(std::make_unique<AmpraConfiguration>(settings))
    , _applicationPersistance(
          std::make_unique<AppPersistance>(_configuration.get(), QString(), &_errorPresenter))
    , _statusItem(platform.statusItemHost()) {
    _configuration->setDataStore(_applicationPersistance.get());
    _configuration->setVersionSupport(_versionSupport.get());
    _batteryManager = std::make_unique<BatteryManager>(
        std::make_unique<BatteryData>(platform.createBatteryReader(true, _dateProvider)),
        std::make_unique<CalibrationAlgorithm>(_configuration->preferences(), _dateProvider),
        std::make_unique<QtTimerProvider>(), platform.powerEvents(),
        std::make_unique<CalibrationControl>(*_configuration, _dateProvider), *_configuration,
        _dateProvider, platform.createChargeLimitControl());
    _statusBarC = std::make_unique<StatusBarC>(*_configuration, platform.statusItemHost(),
                                               platform.appearance());
    _detailViews = std::make_unique<DetailViewFactory>(_dateProvider);
    _popover = std::make_unique<PopoverController>(*_statusBarC, platform.popupPlacement(),
                                                   *_configuration, _dateProvider, *this,
                                                   _detailViews.get());
    _batteryEvents = std::make_unique<BatteryEventsController>(
        *_statusBarC, *_popover, platform.notificationCenter(), _configuration->preferences());
    _noTrayNotice = std::make_unique<NoTrayNotice>(_statusItem, settings,
                                                   platform.notificationCenter(), *_popover);
    if (_statusItem)
        _statusItem->setOpenHandler([this] { activate(); });
    _displaySettings = std::make_unique<DisplaySettingsObserver>(settings, *_batteryManager);
    _windowActions = std::make_unique<DesktopWindowActions>(platform, *this);
    _windows = std::make_unique<WindowsController>(settings, *_configuration, *_windowActions);
    _appWindows = windows ? windows : _windows.get();
    _batteryManager->delegate = _batteryEvents.get();
    _statusBarC->delegate = this;
    // The first update waits for the event loop: the caller keeps this manager only once the
    // constructor has returned.
    QTimer::singleShot(0, this, [this] { _batteryManager->refresh(); });
}

// The item belongs to the platform, which outlives the manager.
AppManager::~AppManager() {
    if (_statusItem)
        _statusItem->setOpenHandler({});
}

const std::optional<CalibrationData>& AppManager::lastReceivedData() const {
    return _batteryEvents->lastReceivedData();
}

void AppManager::startCalibrationControl() {
    _batteryManager->startCalibrationControl();
    if (_configuration->statePersistence().isFirstLaunch()) {
        _applicationPersistance->importDataFormAmpraOne();
        _appWindows->showTutorialWindow();
    }
}

void AppManager::stopCalibrationControl() {
    _batteryManager->stopCalibrationControl();
    _configuration->statePersistence().setIsFirstLaunch(false);
}

void AppManager::popOverToggleRequest(const StatusItemClick& click) {
    _popover->toggle(click, lastReceivedData());
}

void AppManager::showBatteryDataHijackWindow() {
    _windows->showBatteryDataHijackWindow(_batteryManager->batteryData(),
                                          [this] { _batteryManager->refresh(); });
}

void AppManager::statusBarControllerRequest(StatusBarC&, const StatusItemClick& click) {
    popOverToggleRequest(click);
}

void AppManager::viewControllerRequestForPreferencesWindow(AMPSummaryMasterVC&) {
    _appWindows->showPreferencesWindow();
    _popover->close();
}

// The status item's menu reaches the same window as the popover's settings menu.
void AppManager::statusBarControllerRequestForPreferencesWindow(StatusBarC&) {
    _appWindows->showPreferencesWindow();
}

void AppManager::viewControllerRequestForTutorialWindow(AMPSummaryMasterVC&) {
    _appWindows->showTutorialWindow();
}

void AppManager::viewControllerRequestPostponeCalibration(AMPSummaryMasterVC&) {
    _batteryManager->postponeCalibration();
}

void AppManager::viewControllerRequestChargeLimitLift(AMPSummaryMasterVC&) {
    _batteryManager->liftChargeLimitForCalibration();
}

void AppManager::activate() {
    _popover->open(lastReceivedData());
}

bool AppManager::activateAction(const QString& name) {
    if (name == QLatin1String(kPreferences))
        _appWindows->showPreferencesWindow();
    else if (name == QLatin1String(kQuit))
        QCoreApplication::quit();
    else
        return false;
    return true;
}
