// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppManager.h"

#include "PlatformServices.h"
#include "UserNotificationCenter.h"
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

#include <QCoreApplication>
#include <QTimer>

namespace {

// A format step without arguments: a doubled percent sign in a translation shows as one.
QString formatted(const QString& text) {
    QString result = text;
    return result.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

} // namespace

AppManager::AppManager(PlatformServices& platform, SettingsStore& settings)
    : keys{AmpraPreferences::kShowIcon, AmpraPreferences::kShowTime,
           AmpraPreferences::kShowPercentage, AmpraPreferences::kUseVerticalIcon,
           AmpraPreferences::kUseColoredStatusBarIcon}
    , _notificationCenter(platform.notificationCenter())
    , _configuration(std::make_unique<AmpraConfiguration>(settings))
    , _applicationPersistance(
          std::make_unique<AppPersistance>(_configuration.get(), QString(), &_errorPresenter)) {
    _configuration->setDataStore(_applicationPersistance.get());
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
    QString subtitle;
    if (powerSource == PowerSourceType::acPowered)
        //: Subtitle of the power source change notification when running on AC
        subtitle = QCoreApplication::translate("AppManager", "Now running on AC");
    else
        //: Subtitle of the power source change notification when running on battery
        subtitle = QCoreApplication::translate("AppManager", "Now running on battery");
    //: Title of the power source change notification
    _notificationCenter.deliver(QCoreApplication::translate("AppManager", "Change on power source"),
                                formatted(subtitle), false);
}

void AppManager::batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(
    BatteryManager&, uint64_t threshold) {
    //: Subtitle of the low battery notification
    const QString format =
        QCoreApplication::translate("AppManager", "Battery charge is under %u %%");
    // The fixed minimum is the last warning before the machine switches itself off.
    const bool critical = threshold == _configuration->preferences().notificationMinimumCharge();
    //: Title of the low battery notification
    _notificationCenter.deliver(
        QCoreApplication::translate("AppManager", "Low battery"),
        formatted(format).replace(QStringLiteral("%u"), QString::number(threshold)), critical);
}

void AppManager::batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager&,
                                                                                   double) {
    _notificationCenter.deliver(
        //: Title of the notification for long connection time
        QCoreApplication::translate("AppManager", "Unplug your mac"),
        //: Subtitle of the notification for long connection time
        formatted(
            QCoreApplication::translate("AppManager", "You have been connected for too long")),
        false);
}

void AppManager::batteryManagerNotifyEventOnCalibrationProccessWithMessage(
    BatteryManager&, const std::optional<QString>& message) {
    if (!message)
        return;
    //: Title of the notification for Calibration Proces
    _notificationCenter.deliver(QCoreApplication::translate("AppManager", "Calibration process:"),
                                formatted(*message), false);
}
