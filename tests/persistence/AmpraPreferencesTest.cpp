// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/AmpraPreferences.h"

#include "persistence/AmpraStatePersistence.h"
#include "persistence/SettingsStore.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

class AmpraPreferencesTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    AmpraPreferences preferences{store};
    AmpraStatePersistence state{store};
};

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

    store.setObject(35.9, "NotificationCharge"); // as the preferences window writes it
    EXPECT_EQ(preferences.notificationCharge(), 35u);
    store.setObject(QString("2"), "CalibrationState");
    EXPECT_FALSE(state.calibrationState());
}

// Values from a hand-edited file: clamped, and each value out of range logged once.
TEST_F(AmpraPreferencesTest, ValuesOutOfRangeAreClampedAndLoggedOnce) {
    LogCapture log("helpers.preferences");
    const struct {
        const char* key;
        QVariant stored;
        double read;
    } rows[] = {
        {"NextCalibrationInterval", std::numeric_limits<qint64>::max(), 31536000},
        {"NextCalibrationInterval", qint64(-5), 604800},
        {"NextCalibrationInterval", qint64(3600), 604800},
        {"NextCalibrationInterval", 1e300, 31536000},
        {"WorkingHoursWarningInterval", std::numeric_limits<qint64>::max(), 2592000},
        {"WorkingHoursWarningInterval", qint64(0), 3600},
        {"NotificationCharge", -4.0, 1},
        {"NotificationCharge", qint64(100), 99},
        {"NotificationCharge", std::numeric_limits<double>::quiet_NaN(), 1},
    };
    const auto read = [&](const QString& key) {
        return key == "NotificationCharge"        ? double(preferences.notificationCharge())
               : key == "NextCalibrationInterval" ? preferences.timeBetweenCalibrations()
                                                  : preferences.workingHoursWarningInterval();
    };
    for (const auto& row : rows) {
        store.setObject(row.stored, row.key);
        EXPECT_EQ(read(row.key), row.read) << row.key << " " << row.stored.toString().toStdString();
        EXPECT_EQ(read(row.key), row.read);
    }
    EXPECT_EQ(log.lines().size(), std::size(rows));
}

} // namespace
