// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "calibration/CalibrationData.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPStepInfoVC.h"
#include "popover/AMPStepsVC.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/AMPSummaryMasterVCDelegate.h"
#include "popover/DetailViewFactory.h"
#include "popover/PagedContainer.h"
#include "support/FakeDateProvider.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/TestEngine.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The application manager's part: records go to the summary, its requests to the battery manager.
class Application : public RecordingBatteryManagerDelegate, public AMPSummaryMasterVCDelegate {
public:
    using RecordingBatteryManagerDelegate::RecordingBatteryManagerDelegate;

    void batteryManagerDidFinishRunningCalibrationAlgorithWithData(
        BatteryManager& manager, const CalibrationData& data) override {
        RecordingBatteryManagerDelegate::batteryManagerDidFinishRunningCalibrationAlgorithWithData(
            manager, data);
        if (summary)
            summary->refreshContentWithData(data);
    }
    void viewControllerrequestPostponeCalibration(AMPSummaryMasterVC&) override {
        manager->postponeCalibration();
    }
    void viewControllerRequestForPreferencesWindow(AMPSummaryMasterVC&) override {}
    void viewControllerRequestForTutorialWindow(AMPSummaryMasterVC&) override {}

    AMPSummaryMasterVC* summary = nullptr;
    BatteryManager* manager = nullptr;
};

class CalibrationFlowTest : public testing::Test {
protected:
    CalibrationFlowTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        engine = std::make_unique<TestEngine>(dir.path(), battery, clock, &application);
        summary = std::make_unique<AMPSummaryMasterVC>(engine->configuration, clock, &detailViews);
        summary->summaryMasterDelegate = &application;
        application.summary = summary.get();
        application.manager = engine->manager.get();
        engine->manager->startCalibrationControl();
        summary->ringButtonAction(AMPSummaryMasterVC::Tab::calibration);
        view = summary->findChild<AMPCalibrationVC*>();
    }
    ~CalibrationFlowTest() override {
        application.summary = nullptr;
        QLocale::setDefault(QLocale::c());
    }

    void reading(bool mains, unsigned charge, double minutesLater = 1) {
        clock.advance(minutesLater * 60);
        battery.set(mains, charge);
        engine->manager->refresh();
    }
    int step() const { return int(view->stepsController()->currentStep()); }
    QString timeOnPage(int index) const {
        const AMPStepInfoVC& page = *view->page(index);
        return page.watchView()->isHidden() ? QString() : page.watchInfoText()->text();
    }

    QTemporaryDir dir;
    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    FakeBattery battery;
    Application application{clock};
    DetailViewFactory detailViews{clock};
    std::unique_ptr<TestEngine> engine;
    std::unique_ptr<AMPSummaryMasterVC> summary;
    AMPCalibrationVC* view = nullptr; // owned by the summary
};

TEST_F(CalibrationFlowTest, TheStripFollowsACalibrationFromStepOneToSix) {
    ASSERT_TRUE(view);
    reading(true, 60);
    EXPECT_EQ(step(), 1);
    reading(true, 100);
    EXPECT_EQ(step(), 2);
    EXPECT_EQ(timeOnPage(2), u"2h 0min"_s);
    reading(true, 100, 45);
    EXPECT_EQ(timeOnPage(2), u"1h 15min"_s);
    reading(true, 100, 76);
    EXPECT_EQ(step(), 3);
    reading(false, 99);
    EXPECT_EQ(step(), 4);
    reading(false, 9, 300);
    EXPECT_EQ(step(), 5);
    engine->sleep();
    EXPECT_EQ(step(), 0);
    clock.advance(5 * 3600 + 60);
    engine->wake();
    reading(false, 9);
    EXPECT_EQ(step(), 6);
    EXPECT_EQ(view->pageController()->currentIndex(), 6);
    EXPECT_EQ(engine->stored(u"Calibration"_s).size(), 1u);
}

TEST_F(CalibrationFlowTest, PostponingMovesTheNextDateAWeekOn) {
    ASSERT_TRUE(view);
    reading(false, 60);
    auto* button = view->findChild<QPushButton*>(u"postponeButton"_s);
    auto* date = view->findChild<QLabel*>(u"calibrationDateValue"_s);
    ASSERT_FALSE(button->isHidden());
    EXPECT_EQ(date->text(), AMPCalibrationVC::tr("today_summary_message"));
    button->click();
    reading(false, 59);
    EXPECT_EQ(application.records.back().calibrationState, CalibrationState::postponed);
    EXPECT_TRUE(button->isHidden());
    EXPECT_EQ(date->text(), u"Mar 8, 2024"_s);
}

} // namespace
