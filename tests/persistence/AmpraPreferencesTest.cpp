// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/AmpraPreferences.h"

#include "persistence/AmpraStatePersistence.h"
#include "persistence/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AmpraPreferencesTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    AmpraPreferences preferences{store};
    AmpraStatePersistence state{store};
};

TEST_F(AmpraPreferencesTest, AFreshAccountReadsTheDefaults) {
    EXPECT_EQ(preferences.timeBetweenCalibrations(), 2419200.0);
    EXPECT_EQ(preferences.workingHoursWarningInterval(), 108000.0);
    EXPECT_EQ(preferences.notificationCharge(), 20u);
    for (bool value :
         {preferences.notifyOnPowerCordChange(), preferences.notifyOnSelectedCharge(),
          preferences.remindToUnplug(), preferences.useVerticalIcons(), preferences.showIcon(),
          preferences.showTime(), preferences.showPercentage(),
          preferences.useColoredStatusBarIcon(), store.boolForKey("AutomaticallyCheckForUpdates")})
        EXPECT_TRUE(value);
    EXPECT_FALSE(preferences.startAtLogin());
    EXPECT_TRUE(state.isFirstLaunch());
    EXPECT_FALSE(state.calibrationState());
    EXPECT_FALSE(state.calibrationAlgorithmTimeStamp());
}

TEST_F(AmpraPreferencesTest, WritesUnderTheirKeysIntervalsInWholeSecondsAndReadsChargesTruncated) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1764958381, Qt::UTC);
    preferences.setTimeBetweenCalibrations(1209600.7);
    preferences.setUseVerticalIcons(false);
    preferences.setRemindToUnplug(false);
    state.setCalibrationAlgorithmState(7);
    state.setPostponeCalibrationToDate(when);
    state.setCalibrationAlgorithmTimeStamp(when);
    EXPECT_EQ(state.calibrationAlgorithmTimeStamp(), when);
    state.setCalibrationAlgorithmTimeStamp(std::nullopt);
    const std::pair<const char*, QVariant> stored[] = {{"NextCalibrationInterval", qint64(1209600)},
                                                       {"UseVerticalIcon", false},
                                                       {"RemaindToUnplug", false},
                                                       {"CalibrationAlgorithmState", qint64(7)},
                                                       {"NextCalibrationDate", when},
                                                       {"CalibrationAlgorithmTimeStamp", {}}};
    for (const auto& [key, value] : stored)
        EXPECT_EQ(store.objectForKey(key), value) << key;

    store.setDouble(35.9, "NotificationCharge"); // as the preferences window writes it
    EXPECT_EQ(preferences.notificationCharge(), 35u);
    store.setDouble(-4, "NotificationCharge");
    EXPECT_EQ(preferences.notificationCharge(), 0u);
    store.setObject(QString("2"), "CalibrationState");
    EXPECT_FALSE(state.calibrationState());
}

} // namespace
