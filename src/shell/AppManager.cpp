// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppManager.h"

#include "NoticeTexts.h"
#include "PlatformServices.h"
#include "UserNotificationCenter.h"
#include "WebVersionSupport.h"
#include "battery/BatteryData.h"
#include "battery/BatteryDataProvider.h"
#include "calibration/BatteryManager.h"
#include "calibration/CalibrationAlgorithm.h"
#include "calibration/CalibrationControl.h"
#include "calibration/QtTimerProvider.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/AppPersistance.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "persistence/StatePersistence.h"
#include "statusbar/StatusBarC.h"

#include <QTimer>

AppManager::AppManager(PlatformServices& platform, SettingsStore& settings)
    : keys{AmpraPreferences::kShowIcon, AmpraPreferences::kShowTime,
           AmpraPreferences::kShowPercentage, AmpraPreferences::kUseVerticalIcon,
           AmpraPreferences::kUseColoredStatusBarIcon}
    , _notificationCenter(platform.notificationCenter())
    , _versionSupport(WebVersionSupport::create(settings, _dateProvider, _notificationCenter))
    , _configuration(std::make_unique<AmpraConfiguration>(settings))
    , _applicationPersistance(
          std::make_unique<AppPersistance>(_configuration.get(), QString(), &_errorPresenter)) {
    _configuration->setDataStore(_applicationPersistance.get());
    _configuration->setVersionSupport(_versionSupport.get());
    _batteryManager = std::make_unique<BatteryManager>(
        std::make_unique<BatteryData>(platform.createBatteryReader(true, _dateProvider)),
        std::make_unique<CalibrationAlgorithm>(_configuration->preferences(), _dateProvider),
        std::make_unique<QtTimerProvider>(), platform.powerEvents(),
        std::make_unique<CalibrationControl>(*_configuration, _dateProvider), *_configuration,
        _dateProvider);
    _statusBarC = std::make_unique<StatusBarC>(*_configuration, platform.statusItemHost(),
                                               platform.appearance());
    _batteryManager->delegate = this;
    _statusBarC->delegate = this;
    connect(&settings, &SettingsStore::valueChanged, this, &AppManager::observeValueForKeyPath);
    // The first update waits for the event loop: the caller keeps this manager only once the
    // constructor has returned.
    QTimer::singleShot(0, this, [this] { _batteryManager->refresh(); });
}

AppManager::~AppManager() = default;

void AppManager::startCalibrationControl() {
    _batteryManager->startCalibrationControl();
    if (_configuration->statePersistence().isFirstLaunch())
        _applicationPersistance->importDataFormAmpraOne();
}

void AppManager::stopCalibrationControl() {
    _batteryManager->stopCalibrationControl();
    _configuration->statePersistence().setIsFirstLaunch(false);
}

void AppManager::observeValueForKeyPath(const QString& key) {
    if (keys.contains(key))
        _batteryManager->refresh();
}

// The popover opens here once it exists; until then the item's title and tooltip carry the
// readings.
void AppManager::popOverToggleRequest() {
    _statusBarC->setState(false);
}

void AppManager::statusBarControllerRequest(StatusBarC&) {
    popOverToggleRequest();
}

void AppManager::viewControllerrequestPostponeCalibration() {
    _batteryManager->postponeCalibration();
}

void AppManager::batteryManagerDidFinishRunningCalibrationAlgorithWithData(
    BatteryManager&, const CalibrationData& data) {
    _statusBarC->refreshContentWithData(data);
    _lastReceivedData = data;
}

void AppManager::batteryManagerDidDetectPowerSourceChangeTo(BatteryManager&,
                                                            PowerSourceType powerSource) {
    deliver(NoticeTexts::powerSourceChange(powerSource));
}

void AppManager::batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(
    BatteryManager&, uint64_t threshold) {
    // The fixed minimum is the last warning before the machine switches itself off.
    const bool critical = threshold == _configuration->preferences().notificationMinimumCharge();
    deliver(NoticeTexts::lowCharge(threshold), critical);
}

void AppManager::batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager&,
                                                                                   double) {
    deliver(NoticeTexts::connectedTooLong());
}

void AppManager::batteryManagerNotifyEventOnCalibrationProccessWithMessage(
    BatteryManager&, const std::optional<QString>& message) {
    if (message)
        deliver(NoticeTexts::calibrationStep(*message));
}

void AppManager::deliver(const NoticeTexts::Notice& notice, bool critical) {
    _notificationCenter.deliver(notice.title, notice.subtitle, critical);
}
