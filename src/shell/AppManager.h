// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "MessageBoxErrorPresenter.h"
#include "NoticeTexts.h"
#include "calibration/BatteryManagerDelegate.h"
#include "calibration/CalibrationData.h"
#include "calibration/SystemDateProvider.h"
#include "statusbar/StatusBarCDelegate.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class AmpraConfiguration;
class AppPersistance;
class BatteryManager;
class PlatformServices;
class SettingsStore;
class StatusBarC;
class UserNotificationCenter;
class WebVersionSupport;

// Wires the running application: the configuration, the data store, the battery manager and
// the status item; turns the battery manager's notices into user notifications.
class AppManager : public QObject, public BatteryManagerDelegate, public StatusBarCDelegate {
    Q_OBJECT

public:
    AppManager(PlatformServices& platform, SettingsStore& settings);
    ~AppManager() override;

    void startCalibrationControl();
    void stopCalibrationControl();
    void popOverToggleRequest();
    void viewControllerrequestPostponeCalibration();

    AppPersistance* applicationPersistance() const { return _applicationPersistance.get(); }
    AmpraConfiguration* configuration() const { return _configuration.get(); }
    BatteryManager* batteryManager() const { return _batteryManager.get(); }
    StatusBarC* statusBarC() const { return _statusBarC.get(); }
    const std::optional<CalibrationData>& lastReceivedData() const { return _lastReceivedData; }

    void
    batteryManagerDidFinishRunningCalibrationAlgorithWithData(BatteryManager& manager,
                                                              const CalibrationData& data) override;
    void batteryManagerDidDetectPowerSourceChangeTo(BatteryManager& manager,
                                                    PowerSourceType powerSource) override;
    void
    batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(BatteryManager& manager,
                                                                       uint64_t threshold) override;
    void batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager& manager,
                                                                           double length) override;
    void batteryManagerNotifyEventOnCalibrationProccessWithMessage(
        BatteryManager& manager, const std::optional<QString>& message) override;
    void statusBarControllerRequest(StatusBarC& controller) override;

private:
    void observeValueForKeyPath(const QString& key);
    void deliver(const NoticeTexts::Notice& notice, bool critical = false);

    const QStringList keys;
    UserNotificationCenter& _notificationCenter;
    // Before the battery manager: the engine and the battery reader keep it.
    SystemDateProvider _dateProvider;
    MessageBoxErrorPresenter _errorPresenter;
    std::unique_ptr<WebVersionSupport> _versionSupport;
    std::unique_ptr<AmpraConfiguration> _configuration;
    std::unique_ptr<AppPersistance> _applicationPersistance;
    std::unique_ptr<BatteryManager> _batteryManager;
    std::unique_ptr<StatusBarC> _statusBarC;
    std::optional<CalibrationData> _lastReceivedData;
};
