// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ApplicationActions.h"
#include "MessageBoxErrorPresenter.h"
#include "calibration/CalibrationData.h"
#include "calibration/SystemDateProvider.h"
#include "popover/AMPSummaryMasterVCDelegate.h"
#include "statusbar/StatusBarCDelegate.h"

#include <QObject>
#include <memory>
#include <optional>

class AmpraConfiguration;
class AppPersistance;
class AppWindows;
class BatteryEventsController;
class BatteryManager;
class DesktopWindowActions;
class DisplaySettingsObserver;
class NoTrayNotice;
class PlatformServices;
class DetailViewFactory;
class PopoverController;
class SettingsStore;
class StatusItemHost;
class StatusBarC;
class WebVersionSupport;
class WindowsController;

// Puts the running application together: the configuration, the data store, the battery
// manager, and a controller for each part the user sees, and passes the status item's clicks and
// the desktop's requests on.
class AppManager : public QObject,
                   public StatusBarCDelegate,
                   public AMPSummaryMasterVCDelegate,
                   public ApplicationActions {
    Q_OBJECT

public:
    // `windows` replaces the manager's own preferences and tutorial windows when given.
    AppManager(PlatformServices& platform, SettingsStore& settings, AppWindows* windows = nullptr);
    ~AppManager() override;

    void startCalibrationControl();
    void stopCalibrationControl();
    void popOverToggleRequest(const StatusItemClick& click);
    // The developer window that replaces the battery's readings; not in any menu.
    void showBatteryDataHijackWindow();

    AppPersistance* applicationPersistance() const { return _applicationPersistance.get(); }
    BatteryManager* batteryManager() const { return _batteryManager.get(); }
    const std::optional<CalibrationData>& lastReceivedData() const;

    void statusBarControllerRequest(StatusBarC& controller, const StatusItemClick& click) override;
    void statusBarControllerRequestForPreferencesWindow(StatusBarC& controller) override;
    void viewControllerRequestForPreferencesWindow(AMPSummaryMasterVC& controller) override;
    void viewControllerRequestPostponeCalibration(AMPSummaryMasterVC& controller) override;
    void viewControllerRequestChargeLimitLift(AMPSummaryMasterVC& controller) override;
    void viewControllerRequestForTutorialWindow(AMPSummaryMasterVC& controller) override;
    void activate() override;
    bool activateAction(const QString& name) override;

private:
    // Before the battery manager: the engine and the battery reader keep it.
    SystemDateProvider _dateProvider;
    MessageBoxErrorPresenter _errorPresenter;
    std::unique_ptr<WebVersionSupport> _versionSupport;
    std::unique_ptr<AmpraConfiguration> _configuration;
    std::unique_ptr<AppPersistance> _applicationPersistance;
    std::unique_ptr<BatteryManager> _batteryManager;
    std::unique_ptr<StatusBarC> _statusBarC;
    std::unique_ptr<DetailViewFactory> _detailViews;
    std::unique_ptr<PopoverController> _popover;
    std::unique_ptr<BatteryEventsController> _batteryEvents;
    std::unique_ptr<NoTrayNotice> _noTrayNotice;
    std::unique_ptr<DisplaySettingsObserver> _displaySettings;
    std::unique_ptr<DesktopWindowActions> _windowActions;
    std::unique_ptr<WindowsController> _windows;
    StatusItemHost* _statusItem;
    AppWindows* _appWindows = nullptr;
};
