// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "windows/WindowsController.h"

#include "persistence/AmpraConfiguration.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "stylekit/Palette.h"
#include "support/PaintedAt.h"
#include "support/RecordingWindowActions.h"
#include "ui_AMPPreferencesWindow.h"
#include "windows/AMPPreferencesGeneralVC.h"
#include "windows/AMPPreferencesNotificationsVC.h"
#include "windows/AMPPreferencesTabVC.h"
#include "windows/AMPTutorialFormattedPageVC.h"
#include "windows/AMPTutorialPageController.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
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
    AMPPreferencesGeneralVC& page = preferencesWindow().generalPage();
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
    AMPPreferencesNotificationsVC& page = preferencesWindow().notificationsPage();
    QComboBox& list = page.remindToUnplugPopUpButton;
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentIndex(), 3); // 30 hours, reminder on
    // "Don't remind me" keeps 30 hours; 30 hours again only brings the reminder back; 25 hours
    // sets both.
    const std::tuple<int, bool, double> steps[] = {{0, false, 108000},
                                                   {3, true, 108000},
                                                   {0, false, 108000},
                                                   {2, true, 90000},
                                                   {5, true, 144000}};
    for (const auto& [chosen, remind, interval] : steps) {
        page.remindToUnplugPopUpButtonAction(chosen);
        EXPECT_EQ(
            std::pair(preferences.remindToUnplug(), preferences.workingHoursWarningInterval()),
            std::pair(remind, interval))
            << chosen;
        EXPECT_EQ(list.currentIndex(), chosen);
    }
    // Off means "Don't remind me" whatever the interval.
    preferences.setRemindToUnplug(false);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(WindowsTest, ControlsShowChangesMadeElsewhereAndWriteTheUsersAtOnce) {
    Ui::AMPPreferencesWindow& ui = preferencesWindow().ui();
    const std::pair<QAbstractButton*, QString> boxes[] = {
        {ui.showIconCheckBox, AmpraPreferences::kShowIcon},
        {ui.showTimeCheckBox, AmpraPreferences::kShowTime},
        {ui.showPercentageCheckBox, AmpraPreferences::kShowPercentage},
        {ui.useVerticalIconCheckBox, AmpraPreferences::kUseVerticalIcon},
        {ui.useColoredStatusBarIconCheckBox, AmpraPreferences::kUseColoredStatusBarIcon},
        {ui.notifyOnPowerCordCheckBox, AmpraPreferences::kNotifyOnPowerCord},
        {ui.notifyOnSelectedChargeCheckBox, AmpraPreferences::kNotifyOnSelectedCharge},
    };
    for (const auto& [box, key] : boxes) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_TRUE(box->isChecked()); // the registered default
        store.setBool(false, key);
        EXPECT_FALSE(box->isChecked());
        box->click();
        EXPECT_TRUE(store.boolForKey(key));
    }
    EXPECT_EQ(ui.notificationChargeSpinBox->value(), 20);
    store.setDouble(35.9, AmpraPreferences::kNotificationCharge);
    EXPECT_EQ(ui.notificationChargeSpinBox->value(), 35);
    ui.notificationChargeSpinBox->stepUp();
    EXPECT_EQ(preferences.notificationCharge(), 40u);
    ui.notifyOnSelectedChargeCheckBox->click();
    EXPECT_FALSE(ui.notificationChargeSpinBox->isEnabled());
    EXPECT_FALSE(ui.showPercentageInIconCheckBox->isChecked()); // off by default
    ui.showPercentageInIconCheckBox->click();
    EXPECT_TRUE(store.boolForKey(AmpraPreferences::kShowPercentageInIcon));

    // The panel list shows the stored choice; a text no entry has shows the automatic one.
    QComboBox& panel = *ui.panelAppearancePopUpButton;
    for (const auto& [stored, shown] : {std::pair{"dark", 2}, {"sepia", 0}, {"light", 1}}) {
        store.setObject(QString::fromLatin1(stored), AmpraPreferences::kPanelAppearance);
        EXPECT_EQ(panel.currentIndex(), shown) << stored;
    }
    emit panel.activated(2);
    EXPECT_EQ(store.objectForKey(AmpraPreferences::kPanelAppearance), QVariant(u"dark"_s));

    // Only the user's click reaches the desktop's login item.
    store.setBool(true, AmpraPreferences::kStartAtLogin);
    EXPECT_TRUE(ui.startAtLoginCheckBox->isChecked());
    ui.startAtLoginCheckBox->click();
    EXPECT_FALSE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{false});
}

TEST_F(WindowsTest, WithoutABatteryOnlyTheAboutPageIsUsable) {
    for (bool noBattery : {false, true}) {
        actions.noBattery = noBattery;
        AMPPreferencesTabVC& window = preferencesWindow();
        window.refreshEnabledControls();
        Ui::AMPPreferencesWindow& ui = window.ui();
        EXPECT_EQ(window.enabledControls(), !noBattery);
        for (QWidget* control :
             QList<QWidget*>{ui.calibrationSchedulePopUpButton, ui.startAtLoginCheckBox,
                             ui.energySettingsButton, ui.remindToUnplugPopUpButton,
                             ui.notificationChargeSpinBox, ui.showTimeCheckBox})
            EXPECT_EQ(control->isEnabled(), !noBattery) << control->objectName().toStdString();
        EXPECT_TRUE(ui.reportAProblemButton->isEnabled() && ui.showTutorialButton->isEnabled());
    }
}

TEST_F(WindowsTest, OnePreferencesWindowAtATimeClosedByEscape) {
    AMPPreferencesTabVC* first = &preferencesWindow();
    EXPECT_EQ(&preferencesWindow(), first);
    EXPECT_FALSE(first->windowTitle().isEmpty());
    for (int index = 0; index < first->ui().tabView->count(); ++index)
        EXPECT_FALSE(first->ui().tabView->tabIcon(index).isNull()) << index;

    QTest::keyClick(first, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.preferencesWindow(), nullptr);
    EXPECT_NE(&preferencesWindow(), nullptr);
}

TEST_F(WindowsTest, AboutPageButtonsReachTheApplication) {
    Ui::AMPPreferencesWindow& ui = preferencesWindow().ui();
    ui.reportAProblemButton->click();
    ui.contactButton->click();
    ui.energySettingsButton->click();
    EXPECT_EQ(QList<int>({actions.supportMails, actions.contactMails, actions.energySettings}),
              QList<int>({1, 1, 1}));
    ui.showTutorialButton->click();
    EXPECT_NE(windows.tutorialWindow(), nullptr);
    // The version text, then the version and the build in brackets.
    EXPECT_TRUE(QRegularExpression(uR"(^\S+ \d+\.\d+\.\d+ \(\w+\)$)"_s)
                    .match(ui.appVersionLabel->text())
                    .hasMatch())
        << ui.appVersionLabel->text().toStdString();
}

// Every page of both windows paints on a screen of two pixels per point: the About page and the
// tutorial on colours of their own.
TEST_F(WindowsTest, PagesPaintAtTwoPixelsPerPoint) {
    AMPPreferencesTabVC& window = preferencesWindow();
    QTabWidget& tabs = *window.ui().tabView;
    for (int index = 0; index < tabs.count(); ++index) {
        tabs.setCurrentIndex(index);
        QWidget& page = *tabs.currentWidget();
        const QPoint below = page.mapTo(&window, QPoint(4, page.height() - 4)) * 2;
        const QColor colour = paintedAt(window, 2).pixelColor(below);
        if (page.objectName() == u"AMPPreferencesAboutVC"_s) {
            EXPECT_EQ(colour.rgb(), AmpraStyleKit::popOverBackgroundColor().rgb());
        }
    }
    for (int page = 0; page < 3; ++page) {
        tutorial().setSelectedIndex(page);
        EXPECT_EQ(paintedAt(tutorial(), 2).pixelColor(4, 4).rgb(),
                  AmpraStyleKit::ringHoveredBackgroundColor().rgb())
            << page;
    }
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
    auto* box = first->findChild<QCheckBox*>(u"startAtLoginCheckBox"_s);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{true});

    first->setSelectedIndex(2);
    first->findChild<QPushButton*>(u"startUsingAmpraButton"_s)->click();
    EXPECT_EQ(actions.popOverToggles, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.tutorialWindow(), nullptr);
    EXPECT_EQ(tutorial().selectedIndex(), 0); // the next one starts at the beginning
}

} // namespace
