// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPBatteryDataAwareInterface.h"
#include "AMPDetailViewFactory.h"
#include "AMPSumarySubviewVCDelegate.h"
#include "calibration/CalibrationData.h"

#include <QWidget>
#include <memory>
#include <optional>

class AMPRingBackgroundV;
class AMPSummaryMasterVCDelegate;
class DateProvider;
class GlobalConfigurationProvider;
class QMenu;
class RingButton;
namespace Ui {
class AMPSummaryMasterVC;
}

// The popover's one screen: the title bar with the settings menu, the four rings and, under them,
// the detail view of the selected ring.
class AMPSummaryMasterVC : public QWidget,
                           public AMPBatteryDataAwareInterface,
                           public AMPSumarySubviewVCDelegate {
    Q_OBJECT

public:
    using Tab = AMPDetailViewFactory::Tab;

    // `detailViews` may be none: the rings then only mark their selection.
    AMPSummaryMasterVC(GlobalConfigurationProvider& configuration, const DateProvider& dateProvider,
                       AMPDetailViewFactory* detailViews, QWidget* parent = nullptr);
    ~AMPSummaryMasterVC() override;

    void refreshContentWithData(const CalibrationData& data) override;
    const std::optional<CalibrationData>& lastDataReceived() const { return _lastDataReceived; }

    // 1 charge, 2 capacity, 3 health, 4 days till calibration; anything else selects none.
    void selectTab(int tab);
    void ringButtonAction(Tab tab);
    void showSubViewController(QWidget* controller);
    void hideCurrentSubView();
    void showNoBatteryView();
    void menuPreferencesAction();
    void menuTutorialAction();
    void quitAmpra();
    void subviewControllerRequestPostponeCalibration(AMPSumarySubviewVC& controller) override;
    void subviewControllerRequestChargeLimitLift(AMPSumarySubviewVC& controller) override;
    // The largest size the popover leaves the summary on the screen: the detail area scrolls
    // within what the title bar and the rings leave of it.
    void setRoom(const QSize& room);

    RingButton* ringButton(Tab tab) const;
    AMPRingBackgroundV* ringBackground(Tab tab) const;
    QWidget* noBatteryView() const { return _noBatteryView; }
    bool noBatteryViewOnDisplay() const { return _noBatteryViewOnDisplay; }
    AMPBatteryDataAwareInterface* controllerOnDisplay() const { return _controllerOnDisplay; }
    QMenu* settingsMenu() const { return _settingsMenu; }

    AMPSummaryMasterVCDelegate* summaryMasterDelegate = nullptr; // not owned

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void viewDidLoad();
    void refreshRings(const CalibrationData& data);
    void fitDetailArea();

    std::unique_ptr<Ui::AMPSummaryMasterVC> _ui;
    AMPBatteryDataAwareInterface* _controllerOnDisplay = nullptr;
    QWidget* _subviewOnDisplay = nullptr;
    std::optional<Tab> _tabOnDisplay;
    QWidget* _noBatteryView;
    QMenu* _settingsMenu;
    GlobalConfigurationProvider& _configuration;
    const DateProvider& _dateProvider;
    AMPDetailViewFactory* _detailViews;
    bool _noBatteryViewOnDisplay = false;
    std::optional<CalibrationData> _lastDataReceived;
    std::optional<QSize> _room;
};
