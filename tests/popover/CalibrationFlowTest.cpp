// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "calibration/CalibrationData.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPStepInfoVC.h"
#include "popover/AMPStepsVC.h"
#include "popover/AMPSumarySubviewVCDelegate.h"
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

// Stands in for the summary: records go to the view, its requests to the battery manager.
class Summary : public RecordingBatteryManagerDelegate, public AMPSumarySubviewVCDelegate {
public:
    using RecordingBatteryManagerDelegate::RecordingBatteryManagerDelegate;

    void batteryManagerDidFinishRunningCalibrationAlgorithWithData(
        BatteryManager& manager, const CalibrationData& data) override {
        RecordingBatteryManagerDelegate::batteryManagerDidFinishRunningCalibrationAlgorithWithData(
            manager, data);
        if (view)
            view->refreshContentWithData(data);
    }
    void subviewControllerRequestPostponeCalibration(AMPSumarySubviewVC&) override {
        manager->postponeCalibration();
    }

    AMPCalibrationVC* view = nullptr;
    BatteryManager* manager = nullptr;
};

class CalibrationFlowTest : public testing::Test {
protected:
    CalibrationFlowTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        engine = std::make_unique<TestEngine>(dir.path(), battery, clock, &summary);
        view = std::make_unique<AMPCalibrationVC>(engine->configuration, clock);
        view->suviewDelegate = &summary;
        summary.view = view.get();
        summary.manager = engine->manager.get();
        engine->manager->startCalibrationControl();
    }
    ~CalibrationFlowTest() override { QLocale::setDefault(QLocale::c()); }

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
    Summary summary{clock};
    std::unique_ptr<TestEngine> engine;
    std::unique_ptr<AMPCalibrationVC> view;
};

TEST_F(CalibrationFlowTest, TheStripFollowsACalibrationFromStepOneToSix) {
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
    reading(false, 60);
    auto* button = view->findChild<QPushButton*>(u"postponeButton"_s);
    auto* date = view->findChild<QLabel*>(u"calibrationDateValue"_s);
    ASSERT_FALSE(button->isHidden());
    EXPECT_EQ(date->text(), AMPCalibrationVC::tr("today_summary_message"));
    button->click();
    reading(false, 59);
    EXPECT_EQ(summary.records.back().calibrationState, CalibrationState::postponed);
    EXPECT_TRUE(button->isHidden());
    EXPECT_EQ(date->text(), u"Mar 8, 2024"_s);
}

} // namespace
