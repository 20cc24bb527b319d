// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "calibration/BatteryManager.h"

#include "persistence/AmpraPreferences.h"
#include "persistence/AmpraStatePersistence.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/TestEngine.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <limits>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Notices = std::vector<std::string>;

constexpr qint64 kDay = 86400;
const std::string kPlugIn = "guide Plug your Mac to fully charge it.";
const std::string kRest = "guide Allow your Mac to sleep or switch it off.";
const std::string kDone = "guide Calibration Done!!";

QDateTime local(int day, int hour, int minute) {
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute), Qt::LocalTime).toUTC();
}

class BatteryManagerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(local(1, 8, 0).toLocalTime().offsetFromUtc(), 0)
            << "calendar days are checked away from UTC: run under ctest, which sets TZ";
    }
    // Starts the application, or quits and starts it again, on the same settings and store.
    void start() {
        engine.reset();
        engine = std::make_unique<TestEngine>(dir.path(), battery, clock, &delegate);
        engine->manager->startCalibrationControl();
    }
    // Quits and starts again on the states stored as given.
    void restartFrom(int algorithmState, int calibrationState, const QVariant& stamp = {}) {
        engine.reset();
        SettingsStore settings(dir.filePath("settings.json"));
        settings.setObject(algorithmState, AmpraStatePersistence::kCalibrationAlgorithmState);
        settings.setObject(calibrationState, AmpraStatePersistence::kCalibrationState);
        settings.setObject(stamp, AmpraStatePersistence::kCalibrationAlgorithmTimeStamp);
        log.clear();
        start();
    }
    void storeCalibration(const QDateTime& date) {
        Calibration calibration(*engine->configuration.context());
        calibration.setDate(date);
        ASSERT_TRUE(engine->configuration.context()->save());
    }
    // One update with the battery on mains or not at `charge`; its notices.
    Notices update(bool mains, unsigned charge) {
        battery.set(mains, charge);
        engine->manager->refresh();
        return delegate.takeNotices();
    }
    const RecordingBatteryManagerDelegate::Record& last() const { return delegate.records.back(); }
    StatePersistence& persisted() { return engine->configuration.statePersistence(); }
    // The dates of the stored records, oldest first.
    std::vector<QDateTime> dates(const QString& entityName) {
        std::vector<QDateTime> dates;
        for (const ManagedObject& object : engine->stored(entityName))
            dates.insert(dates.begin(), object.date().value_or(QDateTime()));
        return dates;
    }

    QTemporaryDir dir;
    FakeDateProvider clock{local(1, 8, 0)};
    FakeBattery battery;
    RecordingBatteryManagerDelegate delegate{clock};
    LogCapture log{"calibration.batteryManager"};
    std::unique_ptr<TestEngine> engine;
};

// Postponing waits seven days, only while pending; else the last calibration sets the date.
TEST_F(BatteryManagerTest, TheScheduleFollowsThePostponementOrTheLastCalibration) {
    start();
    engine->manager->postponeCalibration(); // still off: nothing to postpone
    EXPECT_EQ(last().calibrationState, CalibrationState::pendingCalibration);
    EXPECT_EQ(last().nextCalibrationDate, clock.now());
    EXPECT_THAT(delegate.takeNotices(), ElementsAre(kPlugIn));

    engine->manager->postponeCalibration();
    const QDateTime until = clock.now().addSecs(7 * kDay);
    EXPECT_EQ(last().calibrationState, CalibrationState::postponed);
    EXPECT_EQ(last().nextCalibrationDate, until);
    EXPECT_EQ(persisted().postponeCalibrationToDate(), until);
    EXPECT_THAT(update(false, 60), IsEmpty()); // no guide while postponed

    clock.setNow(until);
    update(false, 60);
    EXPECT_EQ(last().calibrationState, CalibrationState::postponed);
    clock.advance(60);
    EXPECT_THAT(update(true, 70), ElementsAre("guide none")); // charging has no message
    EXPECT_EQ(last().calibrationState, CalibrationState::pendingCalibration);
    EXPECT_EQ(persisted().postponeCalibrationToDate(), std::nullopt);

    storeCalibration(clock.now().addSecs(-(10 * kDay + 3600)));
    update(true, 70);
    engine->manager->postponeCalibration();
    EXPECT_EQ(last().calibrationState, CalibrationState::calibrated);
    EXPECT_EQ(last().nextCalibrationDate, clock.now().addSecs(17 * kDay + 23 * 3600));
    EXPECT_EQ(persisted().postponeCalibrationToDate(), std::nullopt);

    clock.advance(17 * kDay + 23 * 3600); // exactly the interval old counts as due
    update(true, 70);
    EXPECT_EQ(last().calibrationState, CalibrationState::pendingCalibration);
    EXPECT_EQ(last().nextCalibrationDate, clock.now());
}

// Recent means from the local calendar day four days back on.
TEST_F(BatteryManagerTest, ASnapshotWhenTheBatteryBecomesFullUnlessOneIsFromTheLastFourDays) {
    clock.setNow(local(4, 22, 0));
    start();
    update(true, 100); // full at the first update: no edge
    update(false, 99);
    clock.setNow(local(4, 23, 0));
    update(true, 100);
    update(true, 100);
    clock.setNow(local(7, 23, 59));
    update(false, 95);
    update(true, 100);
    EXPECT_THAT(dates(BatteryStatusSnapshot::kEntityName), ElementsAre(local(4, 23, 0)));
    clock.setNow(local(8, 0, 30)); // the UTC day four days back would still be the 4th
    update(false, 95);
    update(true, 100);
    EXPECT_THAT(dates(BatteryStatusSnapshot::kEntityName),
                ElementsAre(local(4, 23, 0), local(8, 0, 30)));
    EXPECT_EQ(engine->stored(BatteryStatusSnapshot::kEntityName)[0].capacity(), 4500u);

    update(false, 95);
    start();
    clock.advance(5 * kDay);
    update(true, 100); // the first update after a start sees no edge
    EXPECT_EQ(dates(BatteryStatusSnapshot::kEntityName).size(), 2u);
}

// A battery taken out pauses the notices only until it is back, logged once each way.
TEST_F(BatteryManagerTest, PowerAndChargeNoticesOncePerChangeOrDescentWhileABatteryIsRead) {
    start();
    storeCalibration(clock.now());
    battery.present = false; // a desktop: no charge to warn about
    EXPECT_THAT(update(true, 90), IsEmpty());
    battery.present = true;
    EXPECT_THAT(update(true, 90), IsEmpty()); // nothing to compare the source with yet
    EXPECT_THAT(update(false, 25), ElementsAre("power battery"));
    std::vector<Notices> notices;
    for (const unsigned charge : {19, 18, 20, 19, 4, 4}) // back at 20 re-arms
        notices.push_back(update(false, charge));
    EXPECT_THAT(notices, ElementsAre(ElementsAre("charge 20"), IsEmpty(), IsEmpty(),
                                     ElementsAre("charge 20"), ElementsAre("charge 5"), IsEmpty()));
    update(false, 30);
    EXPECT_THAT(update(false, 3), ElementsAre("charge 20", "charge 5"));

    EXPECT_THAT(update(true, 30), ElementsAre("power mains"));
    battery.present = false;
    EXPECT_THAT(update(true, 3), IsEmpty());
    EXPECT_THAT(update(false, 3), IsEmpty());
    battery.present = true;
    EXPECT_THAT(update(false, 3), ElementsAre("power battery", "charge 20", "charge 5"));
    battery.present = false;
    update(false, 3);
    battery.present = true;
    EXPECT_THAT(update(false, 3), IsEmpty()); // the same descent
    EXPECT_THAT(update(false, 25), IsEmpty());
    EXPECT_THAT(update(false, 19), ElementsAre("charge 20"));
    EXPECT_EQ(log.count("No battery found: no notices until one is read"), 3);
    EXPECT_EQ(log.count("A battery is read again: notices resume"), 3);

    update(false, 30);
    engine->settings.setBool(false, AmpraPreferences::kNotifyOnSelectedCharge);
    EXPECT_THAT(update(false, 4), ElementsAre("charge 5"));
    clock.advance(28 * kDay); // pending: the guide, not the power notice, follows the cord
    EXPECT_THAT(update(false, 30), ElementsAre(kPlugIn));
    EXPECT_THAT(update(true, 30), ElementsAre("guide none"));
}

// Thirty hours by default; hand-edited huge intervals act as the longest sane ones.
TEST_F(BatteryManagerTest, OneConnectedTooLongNoticeAfterTheIntervalAbove80Percent) {
    const qint64 huge = std::numeric_limits<qint64>::max();
    for (const auto& [setting, interval] :
         {std::pair<qint64, qint64>{0, 30 * 3600}, {huge, 30 * kDay}}) {
        SCOPED_TRACE(interval);
        start();
        if (setting) {
            engine->settings.setInteger(huge, AmpraPreferences::kNextCalibrationInterval);
            engine->settings.setInteger(huge, AmpraPreferences::kWorkingHoursWarningInterval);
        }
        storeCalibration(clock.now());
        update(true, 100);
        EXPECT_EQ(last().nextCalibrationDate,
                  clock.now().addSecs(setting ? 365 * kDay : 28 * kDay));
        const std::string notice = "connected -" + std::to_string(interval + 60);
        clock.advance(interval);
        EXPECT_THAT(update(true, 100), IsEmpty());
        clock.advance(60);
        EXPECT_THAT(update(true, 100), ElementsAre(notice));
        clock.advance(3600);
        EXPECT_THAT(update(true, 100), IsEmpty());
        EXPECT_THAT(update(false, 80), ElementsAre("power battery")); // restarts and re-arms
        clock.advance(interval + 60);
        EXPECT_THAT(update(false, 81), ElementsAre(notice));
    }
    // A battery that the firmware holds at a charge limit is spared already.
    update(false, 80);
    battery.chargeLimit = 85;
    update(true, 85);
    clock.advance(31 * kDay);
    EXPECT_THAT(update(true, 85), IsEmpty());
}

TEST_F(BatteryManagerTest, StartingTwiceStartsOnceAndRestoringContinuesKnownStates) {
    restartFrom(10, 4); // one past the last state of each
    EXPECT_EQ(engine->manager->calibrationAlgorithm().algorithmState(),
              AlgorithmState::calibrationOff);
    EXPECT_EQ(engine->manager->calibrationControl().calibrationState, CalibrationState::off);
    engine->manager->startCalibrationControl();
    EXPECT_EQ(engine->timer->period, 60);
    EXPECT_EQ(engine->subscriptions, 1);
    engine->timer->fire();
    engine->manager->stopCalibrationControl();
    engine->manager->stopCalibrationControl();
    engine->timer->fire();
    EXPECT_EQ(engine->listener, nullptr);
    EXPECT_EQ(delegate.records.size(), 1u);
    EXPECT_THAT(log.messages(),
                ElementsAre("Start Calibration Control", "Start Calibration Control",
                            "Stop Calibration Control", "Stop Calibration Control"));

    restartFrom(9, 3);
    EXPECT_EQ(engine->manager->calibrationAlgorithm().algorithmState(),
              AlgorithmState::calibrationDone);
    EXPECT_EQ(engine->manager->calibrationControl().calibrationState, CalibrationState::postponed);
    EXPECT_EQ(log.lines().front().message,
              "Restoring Algorithm Persistence to state: 9 with no time Stamp");

    // The wait of a restored step counts from the stored time stamp, which goes with the step.
    restartFrom(3, 1, clock.now().addSecs(-3600));
    EXPECT_EQ(log.lines().front().message, "Restoring Algorithm Persistence to state: 3, with "
                                           "time Stamp: 2024-02-29T18:00:00.000Z");
    update(true, 100);
    EXPECT_EQ(last().timeRemainingInRunningTimer, 3600); // of fullyCharged's two hours
    EXPECT_EQ(persisted().calibrationAlgorithmTimeStamp(), clock.now().addSecs(-3600));
    update(false, 90);
    EXPECT_EQ(persisted().calibrationAlgorithmTimeStamp(), std::nullopt);
}

// Switched off under 10 % in the rest step and started again: the first reading decides.
TEST_F(BatteryManagerTest, ACalibrationFinishedByPoweringOffIsRecordedOnceAfterTheStart) {
    struct Row {
        double hoursOff;
        unsigned chargeAtStart;
        bool mainsAtStart;
        AlgorithmState state;
        Notices notices;
    };
    const std::vector<Row> rows = {
        {6, 9, false, AlgorithmState::calibrationDone, {kDone}},
        {6, 14, true, AlgorithmState::calibrationDone, {kDone}},
        {6, 20, false, AlgorithmState::turnItOff, {kRest}},
        {2, 9, false, AlgorithmState::turnItOff, {"charge 20", kRest}},
        {2, 9, true, AlgorithmState::charging, {"charge 20", "guide none"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(&row - rows.data()));
        engine.reset();
        QFile::remove(dir.filePath(AppPersistance::kStoreFileName)); // due again
        restartFrom(int(AlgorithmState::discharging), int(CalibrationState::pendingCalibration));
        update(false, 12);
        EXPECT_THAT(update(false, 8), ElementsAre(kRest));
        engine->listener->didReceivePowerOffNotification();
        EXPECT_EQ(last().algorithmState, AlgorithmState::computerOff);

        clock.advance(row.hoursOff * 3600);
        start();
        EXPECT_THAT(update(row.mainsAtStart, row.chargeAtStart), row.notices);
        EXPECT_EQ(last().algorithmState, row.state);
        const bool done = row.state == AlgorithmState::calibrationDone;
        EXPECT_EQ(dates(Calibration::kEntityName),
                  done ? std::vector{clock.now()} : std::vector<QDateTime>());
        EXPECT_EQ(last().calibrationState,
                  done ? CalibrationState::calibrated : CalibrationState::pendingCalibration);
        EXPECT_THAT(update(row.mainsAtStart, row.chargeAtStart), IsEmpty());
        start(); // once only, also across another start
        update(row.mainsAtStart, row.chargeAtStart);
        EXPECT_EQ(engine->stored(Calibration::kEntityName).size(), size_t(done));
        delegate.takeNotices();
    }
}

// Time awake is no rest: an early wake asks for the rest again, counted from the next sleep.
TEST_F(BatteryManagerTest, AnEarlyWakeEndsTheRestStep) {
    restartFrom(int(AlgorithmState::turnItOff), int(CalibrationState::pendingCalibration));
    update(false, 8);
    engine->listener->didReceiveSleepNotification();
    clock.advance(3 * 3600);
    battery.set(false, 8);
    engine->listener->didReceiveWakeUpNotification();
    EXPECT_EQ(last().algorithmState, AlgorithmState::turnItOff);
    EXPECT_THAT(update(false, 8), ElementsAre(kRest));
    clock.advance(3 * 3600); // awake: 6 hours since the first sleep
    update(false, 7);
    engine->listener->didReceiveSleepNotification();
    clock.advance(4 * 3600);
    engine->listener->didReceiveWakeUpNotification();
    EXPECT_EQ(last().algorithmState, AlgorithmState::turnItOff);
    EXPECT_THAT(update(false, 7), ElementsAre(kRest));
    engine->listener->didReceiveSleepNotification();
    clock.advance(5 * 3600 + 60);
    engine->listener->didReceiveWakeUpNotification();
    EXPECT_EQ(last().algorithmState, AlgorithmState::calibrationDone);
    EXPECT_THAT(delegate.takeNotices(), ElementsAre(kDone));
}

} // namespace
