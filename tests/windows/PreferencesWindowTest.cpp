// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

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
#include "windows/WindowsController.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PreferencesWindowTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    PreferenceProvider& preferences = configuration.preferences();
    RecordingWindowActions actions;
    WindowsController windows{store, configuration, actions};

    AMPPreferencesTabVC& open() {
        windows.showPreferencesWindow();
        return *windows.preferencesWindow();
    }
};

TEST_F(PreferencesWindowTest, CalibrationIntervalSelectsTheStoredEntryAndWritesTheChosenOne) {
    AMPPreferencesTabVC& window = open();
    AMPPreferencesGeneralVC& page = window.generalPage();
    QComboBox& list = page.calibrationSchedulePopUpButton;
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentIndex(), 3); // the default, 2419200 s: 4 weeks

    struct Row {
        double stored;
        int selected; // a value no entry has leaves the selection as it was
    };
    for (const Row& row : {Row{604800, 0}, Row{3628800, 5}, Row{1000000, 5}, Row{1814400.9, 2}}) {
        preferences.setTimeBetweenCalibrations(row.stored);
        EXPECT_EQ(list.currentIndex(), row.selected) << row.stored;
    }
    QSignalSpy writes(&store, &SettingsStore::valueChanged);
    page.scheduleForNextCalibrationPopUpButtonAction(2); // the stored value: nothing written
    EXPECT_EQ(writes.count(), 0);
    page.scheduleForNextCalibrationPopUpButtonAction(0);
    EXPECT_EQ(store.objectForKey(AmpraPreferences::kNextCalibrationInterval), QVariant(604800));
}

TEST_F(PreferencesWindowTest, UnplugReminderTurnsTheReminderOffWithoutLosingTheInterval) {
    AMPPreferencesNotificationsVC& page = open().notificationsPage();
    QComboBox& list = page.remindToUnplugPopUpButton;
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentIndex(), 3); // 30 hours, reminder on

    struct Step {
        int chosen;
        bool remind;
        double interval;
    };
    const Step steps[] = {
        {0, false, 108000},                   // "Don't remind me" keeps 30 hours
        {3, true, 108000},                    // 30 hours again: only the reminder comes back
        {0, false, 108000}, {2, true, 90000}, // 25 hours sets both
        {5, true, 144000},
    };
    for (const Step& step : steps) {
        page.remindToUnplugPopUpButtonAction(step.chosen);
        EXPECT_EQ(preferences.remindToUnplug(), step.remind) << step.chosen;
        EXPECT_EQ(preferences.workingHoursWarningInterval(), step.interval) << step.chosen;
        EXPECT_EQ(list.currentIndex(), step.chosen);
    }
    // Off means "Don't remind me" whatever the interval.
    preferences.setRemindToUnplug(false);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(PreferencesWindowTest, ControlsShowChangesMadeElsewhereAndWriteTheUsersAtOnce) {
    Ui::AMPPreferencesWindow& ui = open().ui();
    struct Row {
        QAbstractButton* box;
        QString key;
    };
    const Row rows[] = {
        {ui.showIconCheckBox, AmpraPreferences::kShowIcon},
        {ui.showTimeCheckBox, AmpraPreferences::kShowTime},
        {ui.showPercentageCheckBox, AmpraPreferences::kShowPercentage},
        {ui.useVerticalIconCheckBox, AmpraPreferences::kUseVerticalIcon},
        {ui.useColoredStatusBarIconCheckBox, AmpraPreferences::kUseColoredStatusBarIcon},
        {ui.notifyOnPowerCordCheckBox, AmpraPreferences::kNotifyOnPowerCord},
        {ui.notifyOnSelectedChargeCheckBox, AmpraPreferences::kNotifyOnSelectedCharge},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(row.box->isChecked()) << row.key.toStdString(); // the registered default
        store.setBool(false, row.key);
        EXPECT_FALSE(row.box->isChecked()) << row.key.toStdString();
        row.box->click();
        EXPECT_TRUE(store.boolForKey(row.key)) << row.key.toStdString();
    }
    EXPECT_EQ(ui.notificationChargeSpinBox->value(), 20);
    store.setDouble(35.9, AmpraPreferences::kNotificationCharge);
    EXPECT_EQ(ui.notificationChargeSpinBox->value(), 35);
    ui.notificationChargeSpinBox->stepUp();
    EXPECT_EQ(configuration.preferences().notificationCharge(), 40u);
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
    EXPECT_EQ(store.objectForKey(AmpraPreferences::kPanelAppearance),
              QVariant(QStringLiteral("dark")));

    // Only the user's click reaches the desktop's login item.
    store.setBool(true, AmpraPreferences::kStartAtLogin);
    EXPECT_TRUE(ui.startAtLoginCheckBox->isChecked());
    ui.startAtLoginCheckBox->click();
    EXPECT_FALSE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{false});
}

TEST_F(PreferencesWindowTest, WithoutABatteryOnlyTheAboutPageIsUsable) {
    for (bool noBattery : {false, true}) {
        actions.noBattery = noBattery;
        AMPPreferencesTabVC& window = open();
        window.refreshEnabledControls();
        Ui::AMPPreferencesWindow& ui = window.ui();
        EXPECT_EQ(window.enabledControls(), !noBattery);
        for (QWidget* control :
             QList<QWidget*>{ui.calibrationSchedulePopUpButton, ui.startAtLoginCheckBox,
                             ui.energySettingsButton, ui.remindToUnplugPopUpButton,
                             ui.notificationChargeSpinBox, ui.showTimeCheckBox})
            EXPECT_EQ(control->isEnabled(), !noBattery) << control->objectName().toStdString();
        EXPECT_TRUE(ui.reportAProblemButton->isEnabled());
        EXPECT_TRUE(ui.showTutorialButton->isEnabled());
    }
}

TEST_F(PreferencesWindowTest, OneWindowAtATimeClosedByEscape) {
    AMPPreferencesTabVC* first = &open();
    EXPECT_EQ(&open(), first);
    EXPECT_FALSE(first->windowTitle().isEmpty());
    for (int index = 0; index < first->ui().tabView->count(); ++index)
        EXPECT_FALSE(first->ui().tabView->tabIcon(index).isNull()) << index;

    QTest::keyClick(first, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.preferencesWindow(), nullptr);
    EXPECT_NE(&open(), nullptr);
}

TEST_F(PreferencesWindowTest, AboutPageButtonsReachTheApplication) {
    Ui::AMPPreferencesWindow& ui = open().ui();
    ui.reportAProblemButton->click();
    ui.contactButton->click();
    ui.energySettingsButton->click();
    EXPECT_EQ(actions.supportMails, 1);
    EXPECT_EQ(actions.contactMails, 1);
    EXPECT_EQ(actions.energySettings, 1);
    ui.showTutorialButton->click();
    EXPECT_NE(windows.tutorialWindow(), nullptr);
    // The version text, then the version and the build in brackets.
    const QRegularExpression version(QStringLiteral(R"(^\S+ \d+\.\d+\.\d+ \(\w+\)$)"));
    EXPECT_TRUE(version.match(ui.appVersionLabel->text()).hasMatch())
        << ui.appVersionLabel->text().toStdString();
}

// Every page paints on a screen of two pixels per point; the About page on a colour of its own.
TEST_F(PreferencesWindowTest, PagesPaintAtTwoPixelsPerPoint) {
    AMPPreferencesTabVC& window = open();
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
}

} // namespace
