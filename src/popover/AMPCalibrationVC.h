// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPBatteryDataAwareInterface.h"
#include "AMPStepsVCDelegate.h"
#include "AMPSumarySubviewVC.h"
#include "CalibrationStep.h"
#include "calibration/AlgorithmState.h"
#include "calibration/CalibrationState.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class AMPCalibrationTableDataProvider;
class AMPStepInfoVC;
class AMPStepsVC;
class DateProvider;
class ExpandCollapseButton;
class GlobalConfigurationProvider;
class PagedContainer;
class PreferenceProvider;
namespace Ui {
class AMPCalibrationVC;
}

// The calibration view under the days-till-calibration ring: whether a calibration is due and
// when, the step the calibration is in with its instructions and remaining time, postponement,
// and the history of completed calibrations.
class AMPCalibrationVC : public AMPSumarySubviewVC,
                         public AMPBatteryDataAwareInterface,
                         public AMPStepsVCDelegate {
    Q_OBJECT

public:
    // The three blocks that open under their anchors, at most one at a time.
    enum class Block { nextCalibrationHelp, calibrationHelp, calibrationHistory };

    AMPCalibrationVC(GlobalConfigurationProvider& configuration, const DateProvider& dateProvider,
                     QWidget* parent = nullptr);
    ~AMPCalibrationVC() override;

    static CalibrationStep stepForState(AlgorithmState state);
    // "2h 5min": hours of a day and whole minutes, so 25 hours read 1h 0min.
    static QString remainingTimeText(double seconds);
    // The next calibration's day in the user's calendar, or the today text from today on.
    static QString nextCalibrationDateText(const std::optional<QDateTime>& date,
                                           const QDateTime& now);
    static QString stateText(CalibrationState state);
    static bool isPostponeVisible(CalibrationState state);
    // How to lift a charge limit below 100 % for a calibration.
    static QString chargeLimitText(uint64_t limit);
    // What the first step says of a charge limit: lifted for the calibration, offered to be
    // lifted, or how to lift it; none without a limit.
    static std::optional<QString> chargeLimitText(const CalibrationData& record);

    void refreshContentWithData(const CalibrationData& data) override;
    void postponeAction();
    void chargeToFullAction();
    void showCalibrationHistoryAction();
    void nextCalibrationHelpAction();
    void calibrationHelpAction();
    void controllerStopHovering();
    // The user's gesture turned the pages to `index`, 0 to 6.
    void pageControllerDidTransitionToIndex(int index);

    void stepsControllerDidSelectStep(AMPStepsVC& controller, CalibrationStep step) override;
    void stepsControllerDidHoverStep(AMPStepsVC& controller, CalibrationStep step) override;

    bool isBlockOnDisplay(Block block) const;
    bool stepsViewOnDisplay() const { return _stepsViewOnDisplay; }
    AMPStepsVC* stepsController() const;
    PagedContainer* pageController() const;
    // The pages: 0 for no calibration step, then one per step.
    AMPStepInfoVC* page(int index) const { return _pages.value(index); }
    AMPCalibrationTableDataProvider* tableDataProvider() const { return _tableDataProvider; }
    // The view's parts by their names, for the tests and the pictures.
    QWidget* part(const char* name) const;

private:
    struct BlockParts;

    void viewDidLoad();
    // The help texts and the postpone button's, with the preferences' durations and levels.
    void fillTexts();
    // Per step page: the step, the charger, the laptop.
    static std::vector<std::array<QString, 3>> stepTexts(const PreferenceProvider& preferences);
    void makePages();
    void choosePage(CalibrationStep step, bool force);
    void showRemainingTime(std::optional<double> seconds);
    void showChargeLimit(const CalibrationData& record);
    BlockParts parts(Block block);
    void toggleBlock(Block block);
    void openBlock(Block block);
    void closeBlock(Block block);

    std::unique_ptr<Ui::AMPCalibrationVC> _ui;
    GlobalConfigurationProvider& _configuration;
    const DateProvider& _dateProvider;
    AMPCalibrationTableDataProvider* _tableDataProvider;
    QList<AMPStepInfoVC*> _pages;
    bool _calibrationHistoryOnDisplay = false;
    bool _nextCalibrationHelpOnDisplay = false;
    bool _calibrationHelpOnDisplay = false;
    bool _stepsViewOnDisplay = true;
};
