// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "windows/WindowsController.h"

#include "battery/BatteryDataHijackModel.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "support/FakeBattery.h"
#include "support/FakeDateProvider.h"
#include "support/PaintedAt.h"
#include "support/QtPrinters.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/RecordingWindowActions.h"
#include "support/TestEngine.h"
#include "support/UiPart.h"
#include "windows/AMPPreferencesGeneralVC.h"
#include "windows/AMPPreferencesNotificationsVC.h"
#include "windows/AMPPreferencesTabVC.h"
#include "windows/AMPTutorialFormattedPageVC.h"
#include "windows/AMPTutorialPageController.h"
#include "windows/BatteryDataHijackWC.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class WindowsTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    PreferenceProvider& preferences = configuration.preferences();
    RecordingWindowActions actions;
    WindowsController windows{store, configuration, actions};

    AMPPreferencesTabVC& preferencesWindow() {
        windows.showPreferencesWindow();
        return *windows.preferencesWindow();
    }
    AMPTutorialPageController& tutorial() {
        windows.showTutorialWindow();
        return *windows.tutorialWindow();
    }
};

TEST_F(WindowsTest, CalibrationIntervalSelectsTheStoredEntryAndWritesTheChosenOne) {
    auto& page = *preferencesWindow().findChild<AMPPreferencesGeneralVC*>();
    QComboBox& list = page.calibrationSchedulePopUpButton;
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentIndex(), 3); // the default, 2419200 s: 4 weeks
    // A value no entry has leaves the selection as it was.
    for (const auto& [stored, selected] :
         {std::pair{604800.0, 0}, {3628800.0, 5}, {1000000.0, 5}, {1814400.9, 2}}) {
        preferences.setTimeBetweenCalibrations(stored);
        EXPECT_EQ(list.currentIndex(), selected) << stored;
    }
    QSignalSpy writes(&store, &SettingsStore::valueChanged);
    page.scheduleForNextCalibrationPopUpButtonAction(2); // the stored value: nothing written
    EXPECT_EQ(writes.count(), 0);
    page.scheduleForNextCalibrationPopUpButtonAction(0);
    EXPECT_EQ(store.objectForKey(AmpraPreferences::kNextCalibrationInterval), QVariant(604800));
}

TEST_F(WindowsTest, UnplugReminderTurnsTheReminderOffWithoutLosingTheInterval) {
    auto& page = *preferencesWindow().findChild<AMPPreferencesNotificationsVC*>();
    QComboBox& list = page.remindToUnplugPopUpButton;
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentIndex(), 3); // 30 hours, reminder on
    // "Don't remind me" keeps 30 hours; 30 hours again only brings the reminder back; 25 hours
    // sets both.
    const std::tuple<int, bool, double> steps[] = {
        {0, false, 108000}, {3, true, 108000}, {0, false, 108000},
        {2, true, 90000},   {5, true, 144000},
    };
    for (const auto& [chosen, remind, interval] : steps) {
        page.remindToUnplugPopUpButtonAction(chosen);
        EXPECT_EQ(preferences.remindToUnplug(), remind) << chosen;
        EXPECT_EQ(preferences.workingHoursWarningInterval(), interval) << chosen;
        EXPECT_EQ(list.currentIndex(), chosen);
    }
    // Off means "Don't remind me" whatever the interval.
    preferences.setRemindToUnplug(false);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(WindowsTest, ControlsShowChangesMadeElsewhereAndWriteTheUsersAtOnce) {
    QWidget& form = preferencesWindow();
    const auto box = [&form](const char* name) {
        return uiPart<QCheckBox>(form, QLatin1StringView(name));
    };
    // The registered default, then a change made elsewhere, then the user's click.
    const std::tuple<const char*, QString, bool> boxes[] = {
        {"showIconCheckBox", AmpraPreferences::kShowIcon, true},
        {"showTimeCheckBox", AmpraPreferences::kShowTime, true},
        {"showPercentageCheckBox", AmpraPreferences::kShowPercentage, true},
        {"useVerticalIconCheckBox", AmpraPreferences::kUseVerticalIcon, true},
        {"useColoredStatusBarIconCheckBox", AmpraPreferences::kUseColoredStatusBarIcon, true},
        {"notifyOnPowerCordCheckBox", AmpraPreferences::kNotifyOnPowerCord, true},
        {"notifyOnSelectedChargeCheckBox", AmpraPreferences::kNotifyOnSelectedCharge, true},
        {"showPercentageInIconCheckBox", AmpraPreferences::kShowPercentageInIcon, false},
        {"liftChargeLimitCheckBox", AmpraPreferences::kLiftChargeLimitForCalibrations, false},
    };
    for (const auto& [name, key, byDefault] : boxes) {
        EXPECT_EQ(box(name)->isChecked(), byDefault) << name;
        store.setBool(!byDefault, key);
        EXPECT_EQ(box(name)->isChecked(), !byDefault) << name;
        box(name)->click();
        EXPECT_EQ(store.boolForKey(key), byDefault) << name;
    }
    QSpinBox& charge = *uiPart<QSpinBox>(form, u"notificationChargeSpinBox"_s);
    EXPECT_EQ(charge.value(), 20);
    // The nearest value the box has, also for a stored value no int holds.
    for (const auto& [stored, shown] : {std::pair{1e300, 99}, {-1e300, 1}, {3.0, 3}, {35.9, 35}}) {
        store.setObject(stored, AmpraPreferences::kNotificationCharge);
        EXPECT_EQ(charge.value(), shown) << stored;
    }
    charge.stepUp();
    EXPECT_EQ(preferences.notificationCharge(), 40u);
    box("notifyOnSelectedChargeCheckBox")->click();
    EXPECT_FALSE(charge.isEnabled());

    // The panel list shows the stored choice; a text no entry has shows the automatic one.
    QComboBox& panel = *uiPart<QComboBox>(form, u"panelAppearancePopUpButton"_s);
    for (const auto& [stored, shown] : {std::pair{"dark", 2}, {"sepia", 0}, {"light", 1}}) {
        store.setObject(QString::fromLatin1(stored), AmpraPreferences::kPanelAppearance);
        EXPECT_EQ(panel.currentIndex(), shown) << stored;
    }
    Q_EMIT panel.activated(2);
    EXPECT_EQ(store.objectForKey(AmpraPreferences::kPanelAppearance), QVariant(u"dark"_s));

    // Only the user's click reaches the desktop's login item.
    store.setBool(true, AmpraPreferences::kStartAtLogin);
    EXPECT_TRUE(box("startAtLoginCheckBox")->isChecked());
    box("startAtLoginCheckBox")->click();
    EXPECT_FALSE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{false});
}

TEST_F(WindowsTest, WithoutABatteryOnlyTheAboutPageIsUsable) {
    for (bool noBattery : {false, true}) {
        actions.noBattery = noBattery;
        AMPPreferencesTabVC& window = preferencesWindow();
        window.refreshEnabledControls();
        EXPECT_EQ(window.enabledControls(), !noBattery);
        for (const char* name :
             {"calibrationSchedulePopUpButton", "startAtLoginCheckBox", "energySettingsButton",
              "remindToUnplugPopUpButton", "notificationChargeSpinBox", "showTimeCheckBox"})
            EXPECT_EQ(uiPart<QWidget>(window, QLatin1StringView(name))->isEnabled(), !noBattery)
                << name;
        for (const char* name : {"reportAProblemButton", "showTutorialButton"})
            EXPECT_TRUE(uiPart<QWidget>(window, QLatin1StringView(name))->isEnabled()) << name;
    }
}

TEST_F(WindowsTest, OnePreferencesWindowAtATimeClosedByEscape) {
    AMPPreferencesTabVC* first = &preferencesWindow();
    EXPECT_EQ(&preferencesWindow(), first);
    EXPECT_FALSE(first->windowTitle().isEmpty());
    const QTabWidget& tabs = *uiPart<QTabWidget>(*first, u"tabView"_s);
    for (int index = 0; index < tabs.count(); ++index)
        EXPECT_FALSE(tabs.tabIcon(index).isNull()) << index;
    QTest::keyClick(first, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.preferencesWindow(), nullptr);
    EXPECT_NE(&preferencesWindow(), nullptr);
}

TEST_F(WindowsTest, AboutPageButtonsReachTheApplication) {
    QWidget& form = preferencesWindow();
    for (const char* button :
         {"reportAProblemButton", "contactButton", "energySettingsButton", "showTutorialButton"})
        uiPart<QPushButton>(form, QLatin1StringView(button))->click();
    EXPECT_EQ(actions.asked, QStringList({"support mail", "contact mail", "energy settings"}));
    EXPECT_NE(windows.tutorialWindow(), nullptr);
    // The version text, then the version and the build in brackets.
    const QString version = uiPart<QLabel>(form, u"appVersionLabel"_s)->text();
    EXPECT_TRUE(QRegularExpression(uR"(^\S+ \d+\.\d+\.\d+ \(\w+\)$)"_s).match(version).hasMatch())
        << version.toStdString();
}

// Which buttons a tutorial page shows: the back button hides on the first page, forward on the
// last.
void expectButtons(const AMPTutorialPageController& tutorial, bool back, bool forward) {
    EXPECT_EQ(!tutorial.backButton()->isHidden(), back) << tutorial.selectedIndex();
    EXPECT_EQ(!tutorial.forwardButton()->isHidden(), forward) << tutorial.selectedIndex();
}

TEST_F(WindowsTest, TutorialButtonsByPage) {
    AMPTutorialPageController& window = tutorial();
    for (int page = 0; page < 3; ++page) {
        ASSERT_EQ(window.selectedIndex(), page);
        expectButtons(window, page != 0, page != 2);
        window.forwardButton()->click();
    }
    window.backButton()->click();
    EXPECT_EQ(window.selectedIndex(), 1);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_Left); // no page before the first
    EXPECT_EQ(window.selectedIndex(), 0);

    const QStringList pages{AMPTutorialPageController::kPage1Identifier,
                            AMPTutorialPageController::kPage2Identifier,
                            AMPTutorialPageController::kPage3Identifier};
    for (const auto& [identifier, page] :
         {std::pair{u"0"_s, 0}, {u"1"_s, 1}, {u"2"_s, 2}, {u"x"_s, 0}, {u"7"_s, 0}})
        EXPECT_EQ(window.pageControllerViewControllerForIdentifier(identifier).view().objectName(),
                  pages.at(page))
            << identifier.toStdString();
    EXPECT_EQ(AMPTutorialPageController::pageControllerIdentifierForObject(2), u"2"_s);
}

TEST_F(WindowsTest, TutorialButtonsHideDuringASwipe) {
    AMPTutorialPageController& window = tutorial();
    // Fingers to the left are negative.
    for (const auto& [distance, page] : {std::pair{-60, 0}, {-240, 1}, {-240, 2}, {200, 1}}) {
        QWheelEvent swipe(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(distance, 0),
                          Qt::NoButton, Qt::NoModifier, Qt::ScrollUpdate, false);
        QCoreApplication::sendEvent(&window, &swipe);
        expectButtons(window, false, false);
        window.pageControllerDidEndLiveTransition();
        EXPECT_EQ(window.selectedIndex(), page) << distance;
        expectButtons(window, page != 0, page != 2);
    }
}

// The tutorial's login box works as the preferences' one; its last button opens the popover.
TEST_F(WindowsTest, TheTutorialsLastButtonOpensThePopoverAndClosesIt) {
    AMPTutorialPageController* first = &tutorial();
    EXPECT_EQ(&tutorial(), first); // a second request shows the same window
    QCheckBox& box = *uiPart<QCheckBox>(*first, u"startAtLoginCheckBox"_s);
    EXPECT_FALSE(box.isChecked());
    box.click();
    EXPECT_TRUE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{true});

    first->setSelectedIndex(2);
    uiPart<QPushButton>(*first, u"startUsingAmpraButton"_s)->click();
    EXPECT_EQ(actions.asked, QStringList{"popover"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.tutorialWindow(), nullptr);
    EXPECT_EQ(tutorial().selectedIndex(), 0); // the next one starts at the beginning
}

struct Step {
    enum Control { phase, power, health, charge } control;
    int value;
};

void apply(QWidget& form, const Step& step) {
    if (step.control == Step::charge)
        return uiPart<QSlider>(form, u"currentChargePercentageSlider"_s)->setValue(step.value);
    const char* lists[] = {"workCycleStatusCombo", "powerSourceCombo", "batteryHealthCombo"};
    QComboBox& list = *uiPart<QComboBox>(form, QLatin1StringView(lists[step.control]));
    list.setCurrentIndex(step.value);
    Q_EMIT list.activated(step.value);
}

// The override's reading, and what it wrote to standard output.
std::pair<QVariantMap, QString> load(BatteryDataHijackModel& model) {
    testing::internal::CaptureStdout();
    QVariantMap dictionary = model.loadMainBatteryData();
    return {dictionary, QString::fromStdString(testing::internal::GetCapturedStdout())};
}

// From the window as it opens: each row's steps, then the keys expected in the reading as
// "key=value", with no value where the key is absent.
TEST(BatteryDataHijackWCTest, ListsAndPhasesBuildTheReading) {
    const struct {
        std::vector<Step> steps;
        const char* expected;
    } rows[] = {
        {{},
         "Power Source State=AC Power;BatteryHealth=Good;Is Charging=true;"
         "Is Finish Charging=false;Is Charged=;Current Capacity=40"},
        {{{Step::power, 1}, {Step::power, 0}}, "Power Source State=AC Power"},
        {{{Step::health, 2}, {Step::health, 0}}, "BatteryHealth=Good"},
        {{{Step::health, 4}}, "BatteryHealth=Wrong Value"},
        {{{Step::phase, 3}},
         "Is Charging=false;Is Finish Charging=;Is Charged=true;Current Capacity=100"},
        {{{Step::phase, 3}, {Step::phase, 1}}, "Is Charged=;Is Charging=true"},
        {{{Step::phase, 2}}, "Is Finish Charging=true;Current Capacity=95"},
        {{{Step::phase, 6}},
         "Power Source State=Battery Power;Is Charging=false;Is Finish Charging=;"
         "Current Capacity=10"},
        // The user's choice after a phase, and the slider, count.
        {{{Step::phase, 6}, {Step::power, 0}, {Step::charge, 73}},
         "Power Source State=AC Power;Current Capacity=73"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        BatteryDataHijackModel model;
        int changes = 0;
        BatteryDataHijackWC window(model, [&] { ++changes; });
        for (const Step& step : row.steps)
            apply(window, step);
        EXPECT_EQ(changes, int(row.steps.size()));
        const auto [dictionary, output] = load(model);
        for (const QString& pair : QString::fromLatin1(row.expected).split(u';'))
            EXPECT_EQ(dictionary.value(pair.section(u'=', 0, 0)).toString(), pair.section(u'=', 1))
                << pair.toStdString();
        EXPECT_TRUE(output.startsWith("Hijacking of the battery data\nBatteryHealth: "))
            << output.toStdString();
        EXPECT_EQ(uiPart<QSlider>(window, u"currentChargePercentageSlider"_s)->value(),
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
    apply(window, {Step::phase, 6});
    EXPECT_TRUE(sample().noBattery); // the switch is still off

    QCheckBox& toggle = *uiPart<QCheckBox>(window, u"enableHijakingCheckBox"_s);
    testing::internal::CaptureStdout();
    QTest::keyClick(&toggle, Qt::Key_Space);
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
    EXPECT_TRUE(toggle.isChecked());
    toggle.setChecked(false);
    EXPECT_TRUE(sample().noBattery);
}

// Charging, full for two hours on mains, unplugged: the calibration's steps follow.
TEST_F(BatteryOverrideTest, PhasesMoveTheCalibrationAsABatteryWould) {
    BatteryDataHijackWC& window = open();
    // The window opens on phase 1.
    uiPart<QCheckBox>(window, u"enableHijakingCheckBox"_s)->setChecked(true);
    EXPECT_EQ(state(), AlgorithmState::charging);
    apply(window, {Step::phase, 0});
    EXPECT_EQ(state(), AlgorithmState::charging);
    apply(window, {Step::phase, 3});
    EXPECT_EQ(state(), AlgorithmState::fullyCharged);
    clock.advance(7200);
    engine.timer->fire();
    EXPECT_EQ(state(), AlgorithmState::fullyCharged);
    clock.advance(60);
    engine.timer->fire();
    EXPECT_EQ(state(), AlgorithmState::disconnectAdapter);
    apply(window, {Step::phase, 6});
    EXPECT_EQ(state(), AlgorithmState::discharging);
    apply(window, {Step::charge, 9});
    EXPECT_EQ(state(), AlgorithmState::turnItOff);
}

} // namespace
