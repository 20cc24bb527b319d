#include "persistence/AmpraPreferences.h"

#include "persistence/AmpraConfiguration.h"
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

TEST_F(AmpraPreferencesTest, AFreshAccountReadsTheDefaultsAndConstants) {
    EXPECT_EQ(preferences.timeBetweenCalibrations(), 2419200.0);
    EXPECT_EQ(preferences.workingHoursWarningInterval(), 108000.0);
    EXPECT_EQ(preferences.notificationCharge(), 20u);
    for (bool value : {preferences.notifyOnPowerCordChange(), preferences.notifyOnSelectedCharge(),
                       preferences.remindToUnplug(), preferences.useVerticalIcons(),
                       preferences.showIcon(), preferences.showTime(), preferences.showPercentage(),
                       preferences.useColoredStatusBarIcon()})
        EXPECT_TRUE(value);
    EXPECT_FALSE(preferences.startAtLogin());
    EXPECT_TRUE(store.boolForKey("AutomaticallyCheckForUpdates"));
    EXPECT_EQ(preferences.chargePercentageForComputerOff(), 10u);
    EXPECT_EQ(preferences.chargePercentageAfterComputerOff(), 15u);
    EXPECT_EQ(preferences.minimumTimeInComputerOff(), 18000.0);
    EXPECT_EQ(preferences.minimumTimeInFullyCharged(), 7200.0);
    EXPECT_EQ(preferences.minimumTimeInCalibrationDone(), 86400.0);
    EXPECT_EQ(preferences.minimumBatteryChargeTobeConsideredUnplug(), 80u);
    EXPECT_EQ(preferences.notificationMinimumCharge(), 5u);

    EXPECT_TRUE(state.isFirstLaunch());
    EXPECT_FALSE(state.calibrationState());
    EXPECT_FALSE(state.calibrationAlgorithmState());
    EXPECT_FALSE(state.calibrationAlgorithmTimeStamp());
    EXPECT_FALSE(state.postponeCalibrationToDate());
}

TEST_F(AmpraPreferencesTest, StoresIntervalsAsWholeSecondsAndChargesTruncate) {
    preferences.setTimeBetweenCalibrations(1209600.7);
    EXPECT_EQ(store.objectForKey("NextCalibrationInterval"), QVariant(qint64(1209600)));
    EXPECT_EQ(preferences.timeBetweenCalibrations(), 1209600.0);

    store.setDouble(35.9, "NotificationCharge"); // as the preferences window writes it
    EXPECT_EQ(preferences.notificationCharge(), 35u);
    store.setDouble(-4, "NotificationCharge");
    EXPECT_EQ(preferences.notificationCharge(), 0u);

    preferences.setPostponedCalibationInterval(10);
    EXPECT_EQ(preferences.postponedCalibationInterval(), 604800.0);

    preferences.setShowTime(false);
    preferences.registerDefaults();
    EXPECT_FALSE(preferences.showTime());
    preferences.setUseVerticalIcons(false);
    EXPECT_FALSE(store.boolForKey("UseVerticalIcon"));
    preferences.setRemindToUnplug(false);
    EXPECT_FALSE(store.boolForKey("RemaindToUnplug"));
}

TEST_F(AmpraPreferencesTest, StateValuesAreOptionalAndTyped) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1764958381, Qt::UTC);
    state.setCalibrationAlgorithmTimeStamp(when);
    EXPECT_EQ(state.calibrationAlgorithmTimeStamp(), when);
    state.setCalibrationAlgorithmTimeStamp(std::nullopt);
    EXPECT_FALSE(store.objectForKey("CalibrationAlgorithmTimeStamp").isValid());
    EXPECT_FALSE(state.calibrationAlgorithmTimeStamp());

    store.setObject(QString("2"), "CalibrationState");
    EXPECT_FALSE(state.calibrationState());
    state.setCalibrationAlgorithmState(7);
    EXPECT_EQ(state.calibrationAlgorithmState(), 7);

    state.setPostponeCalibrationToDate(when);
    EXPECT_EQ(store.objectForKey("NextCalibrationDate").toDateTime(), when);
    EXPECT_FALSE(store.objectForKey("postponeCalibrationToDate").isValid());

    state.setIsFirstLaunch(false);
    state.registerDefaults();
    EXPECT_FALSE(state.isFirstLaunch());
    SettingsStore reopened(store.filePath());
    EXPECT_FALSE(AmpraStatePersistence(reopened).isFirstLaunch());
}

TEST_F(AmpraPreferencesTest, TwoConfigurationsSeeTheSameValues) {
    AmpraConfiguration first(store);
    AmpraConfiguration second(store);
    first.preferences().setWorkingHoursWarningInterval(3600);
    EXPECT_EQ(second.preferences().workingHoursWarningInterval(), 3600.0);
    second.statePersistence().setCalibrationState(2);
    EXPECT_EQ(first.statePersistence().calibrationState(), 2);
}

} // namespace
