// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "windows/BatteryDataHijackWC.h"

#include "battery/BatteryDataHijackModel.h"
#include "support/FakeBattery.h"
#include "support/FakeDateProvider.h"
#include "support/PaintedAt.h"
#include "support/QtPrinters.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/RecordingWindowActions.h"
#include "support/TestEngine.h"
#include "ui_BatteryDataHijackWC.h"
#include "windows/WindowsController.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What the user does in the window.
struct Step {
    enum Control { phase, power, health, charge } control;
    int value;
};

void apply(Ui::BatteryDataHijackWC& ui, const Step& step) {
    if (step.control == Step::charge) {
        ui.currentChargePercentageSlider->setValue(step.value);
        return;
    }
    QComboBox& list = *(step.control == Step::phase   ? ui.workCycleStatusCombo
                        : step.control == Step::power ? ui.powerSourceCombo
                                                      : ui.batteryHealthCombo);
    list.setCurrentIndex(step.value);
    emit list.activated(step.value);
}

// The override's reading, and what it wrote to standard output.
std::pair<QVariantMap, QString> load(BatteryDataHijackModel& model) {
    testing::internal::CaptureStdout();
    QVariantMap dictionary = model.loadMainBatteryData();
    return {dictionary, QString::fromStdString(testing::internal::GetCapturedStdout())};
}

// From the window as it opens: each row's steps, then the keys expected in the reading (an
// invalid value: the key is absent).
TEST(BatteryDataHijackWCTest, ListsAndPhasesBuildTheReading) {
    const QVariant absent;
    const struct {
        std::vector<Step> steps;
        QVariantMap expected;
    } rows[] = {
        {{},
         {{"Power Source State", "AC Power"},
          {"BatteryHealth", "Good"},
          {"Is Charging", true},
          {"Is Finish Charging", false},
          {"Is Charged", absent},
          {"Current Capacity", 40}}},
        {{{Step::power, 1}, {Step::power, 0}}, {{"Power Source State", "AC Power"}}},
        {{{Step::health, 2}, {Step::health, 0}}, {{"BatteryHealth", "Good"}}},
        {{{Step::health, 4}}, {{"BatteryHealth", "Wrong Value"}}},
        {{{Step::phase, 3}},
         {{"Is Charging", false},
          {"Is Finish Charging", absent},
          {"Is Charged", true},
          {"Current Capacity", 100}}},
        {{{Step::phase, 3}, {Step::phase, 1}}, {{"Is Charged", absent}, {"Is Charging", true}}},
        {{{Step::phase, 2}}, {{"Is Finish Charging", true}, {"Current Capacity", 95}}},
        {{{Step::phase, 6}},
         {{"Power Source State", "Battery Power"},
          {"Is Charging", false},
          {"Is Finish Charging", absent},
          {"Current Capacity", 10}}},
        // The user's choice after a phase, and the slider, count.
        {{{Step::phase, 6}, {Step::power, 0}, {Step::charge, 73}},
         {{"Power Source State", "AC Power"}, {"Current Capacity", 73}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("row " + std::to_string(&row - rows));
        BatteryDataHijackModel model;
        int changes = 0;
        BatteryDataHijackWC window(model, [&] { ++changes; });
        for (const Step& step : row.steps)
            apply(window.ui(), step);
        EXPECT_EQ(changes, int(row.steps.size()));
        const auto [dictionary, output] = load(model);
        for (auto it = row.expected.cbegin(); it != row.expected.cend(); ++it)
            EXPECT_EQ(dictionary.value(it.key()), it.value()) << it.key().toStdString();
        EXPECT_TRUE(output.startsWith("Hijacking of the battery data\nBatteryHealth: "))
            << output.toStdString();
        EXPECT_EQ(window.ui().currentChargePercentageSlider->value(),
                  dictionary.value("Current Capacity").toInt());
    }

    BatteryDataHijackModel model;
    model.lifeCycleSetToIndex(2);
    testing::internal::CaptureStdout();
    model.lifeCycleSetToIndex(7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Wrong Index\n");
    EXPECT_EQ(load(model).first.value("Current Capacity"), 95);
}

// The engine of a computer without a battery, with the override window as
// "ampra --override-battery" opens it.
class BatteryOverrideTest : public testing::Test {
protected:
    BatteryOverrideTest() {
        battery.present = false;
        engine.manager->startCalibrationControl();
        engine.manager->refresh();
    }
    BatteryDataHijackWC& open() {
        windows.showBatteryDataHijackWindow(engine.manager->batteryData(),
                                            [this] { engine.manager->refresh(); });
        return *windows.batteryDataHijackWindow();
    }
    const BatteryData& sample() const { return std::as_const(*engine.manager).batteryData(); }
    AlgorithmState state() const { return delegate.records.back().algorithmState; }

    QTemporaryDir dir;
    FakeBattery battery;
    FakeDateProvider clock;
    RecordingBatteryManagerDelegate delegate{clock};
    TestEngine engine{dir.path(), battery, clock, &delegate};
    RecordingWindowActions actions;
    WindowsController windows{engine.settings, engine.configuration, actions};
};

TEST_F(BatteryOverrideTest, TheSwitchMakesADesktopReportTheChosenPhase) {
    EXPECT_TRUE(sample().noBattery);
    BatteryDataHijackWC& window = open();
    apply(window.ui(), {Step::phase, 6});
    EXPECT_TRUE(sample().noBattery); // the switch is still off

    testing::internal::CaptureStdout();
    QTest::keyClick(window.ui().enableHijakingCheckBox, Qt::Key_Space);
    EXPECT_TRUE(QString::fromStdString(testing::internal::GetCapturedStdout())
                    .contains("Current Capacity: 10\n"));
    EXPECT_FALSE(sample().noBattery);
    EXPECT_EQ(sample().currentChargePercentage, 10u);
    EXPECT_EQ(sample().powerSource, PowerSourceType::batteryPowered);
    EXPECT_FALSE(sample().isCharging);
    EXPECT_EQ(sample().batteryHealth, BatteryHealthType::good);
    paintedAt(window, 2); // on a screen of two pixels per point

    // Closed, the window keeps what it set; asked again, the same one comes back.
    window.close();
    EXPECT_EQ(&open(), &window);
    EXPECT_TRUE(window.ui().enableHijakingCheckBox->isChecked());
    window.ui().enableHijakingCheckBox->setChecked(false);
    EXPECT_TRUE(sample().noBattery);
}

// Charging, full for two hours on mains, unplugged: the calibration's steps follow.
TEST_F(BatteryOverrideTest, PhasesMoveTheCalibrationAsABatteryWould) {
    BatteryDataHijackWC& window = open();
    window.ui().enableHijakingCheckBox->setChecked(true); // the window opens on phase 1
    EXPECT_EQ(state(), AlgorithmState::charging);
    apply(window.ui(), {Step::phase, 0});
    EXPECT_EQ(state(), AlgorithmState::charging);
    apply(window.ui(), {Step::phase, 3});
    EXPECT_EQ(state(), AlgorithmState::fullyCharged);
    clock.advance(7200);
    engine.timer->fire();
    EXPECT_EQ(state(), AlgorithmState::fullyCharged);
    clock.advance(60);
    engine.timer->fire();
    EXPECT_EQ(state(), AlgorithmState::disconnectAdapter);
    apply(window.ui(), {Step::phase, 6});
    EXPECT_EQ(state(), AlgorithmState::discharging);
    apply(window.ui(), {Step::charge, 9});
    EXPECT_EQ(state(), AlgorithmState::turnItOff);
}

} // namespace
