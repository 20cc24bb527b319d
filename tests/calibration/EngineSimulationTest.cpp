// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Six months of a laptop held at 80 % by its firmware and its user, minute by minute on a fake
// clock, through the whole engine: the real reader, the battery manager, the state machine, the
// schedule, the limit lifted for each calibration, and the files.

#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "support/FakeDateProvider.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/TestEngine.h"

#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

using Record = RecordingBatteryManagerDelegate::Record;

std::string describe(const QDateTime& date, uint64_t capacity, uint64_t cycleCount) {
    return date.toString(Qt::ISODate).toStdString() + ", " + std::to_string(capacity) + " mAh, " +
           std::to_string(cycleCount) + " cycles";
}

// The laptop, its user and the engine. With a restart seed the application is quit and started
// again at random minutes, from the settings file and the data store it left.
class Simulation {
public:
    explicit Simulation(std::optional<unsigned> restartSeed) {
        _battery.chargeLimit = 80;
        publish();
        if (restartSeed)
            _restarts.emplace(*restartSeed);
        start();
        for (const QDateTime end = clock.now().addDays(183); clock.now() < end; night())
            day();
    }
    ~Simulation() { engine.reset(); } // before the folder and battery it uses
    std::vector<std::string> stored(const QString& entityName) const {
        std::vector<std::string> records;
        for (const ManagedObject& object : engine->stored(entityName))
            records.insert(records.begin(), describe(object.date().value_or(QDateTime()),
                                                     object.capacity().value_or(0),
                                                     object.cycleCount().value_or(0)));
        return records;
    }

    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(8, 0), Qt::LocalTime).toUTC()};
    RecordingBatteryManagerDelegate delegate{clock};
    std::vector<std::string> completed; // as the store should hold them
    int postponements = 0, abandoned = 0, restarts = 0, powerOffs = 0, earlyWakes = 0;
    int batteryRemovals = 0;
    int leftLifted = 0; // days begun with the limit lifted and no calibration due
    int chargeLimitSwitches() const { return _battery.chargeLimitSwitches; }
    std::unique_ptr<TestEngine> engine;

private:
    // The charge is in percent of the present full capacity: fast up to 80 % on mains, then
    // tapering. Each 100 % used up is a cycle, which takes a little off the full capacity.
    void runMinute(bool awake) {
        if (!_battery.present)
            return;
        const double used = _onMains ? 0 : std::min(_charge, awake ? _workRate : 0.002);
        _charge = _onMains
                      ? std::min(double(_battery.limit()), _charge + (_charge < 80 ? 1.1 : 0.45))
                      : _charge - used;
        _used += used;
        publish();
    }
    void publish() {
        _battery.set(_onMains, unsigned(_charge));
        _battery.cycleCount = 87 + qint64(_used / 100);
        _battery.chargeFull = 4800000 - 1000 * (_battery.cycleCount - 87);
    }
    void start() {
        engine = std::make_unique<TestEngine>(_folder.path(), _battery, clock, &delegate,
                                              _battery.makeChargeLimitControl());
        engine->manager->startCalibrationControl();
        engine->manager->refresh(); // the application's first update, right after launch
    }
    // Not while the battery becomes full: the first update after a start rightly takes no snapshot,
    // having nothing to compare with.
    void tick() {
        runMinute(true);
        clock.advance(60);
        _battery.answerSwitches();
        if (_restarts && pick(0, 3000, &*_restarts) == 0 && _battery.present &&
            _battery.isCharged == delegate.records.back().isCharged) {
            engine.reset();
            start();
            ++restarts;
        } else {
            engine->timer->fire();
        }
        // The user says yes to charging to full for the calibration.
        if (std::ranges::count(delegate.takeNotices(), "lift 80") > 0)
            engine->manager->liftChargeLimitForCalibration();
    }
    void tickUntil(const QDateTime& deadline, const std::function<bool()>& done = nullptr) {
        while (!(done && done()) && clock.now() < deadline)
            tick();
    }
    void tickUntilCharge(unsigned charge) {
        tickUntil(inMinutes(24 * 60), [&] { return _battery.charge <= charge; });
    }
    void plug(bool mains, bool reported = true) { // asleep, the system reports nothing
        if (_onMains == mains)
            return;
        _onMains = mains;
        publish();
        if (reported)
            _battery.notifyChange();
    }
    void restUntil(const QDateTime& end) {
        while (clock.now() < end) {
            runMinute(false);
            clock.advance(60);
        }
    }
    void sleepUntil(const QDateTime& wakeAt, bool pluggedInWhileAsleep = false) {
        engine->listener->didReceiveSleepNotification();
        if (pluggedInWhileAsleep)
            plug(true, false);
        restUntil(wakeAt);
        engine->listener->didReceiveWakeUpNotification();
    }
    // The application quits and starts with the system.
    void powerOffUntil(const QDateTime& startAt) {
        engine->listener->didReceivePowerOffNotification();
        engine.reset();
        restUntil(startAt);
        start();
        ++powerOffs;
    }

    int pick(int low, int high, std::mt19937* random = nullptr) {
        return std::uniform_int_distribution<int>(low, high)(random ? *random : _user);
    }
    QDateTime localTime(int minuteOfDay) const {
        const QDate day = clock.now().toLocalTime().date();
        return QDateTime(day, QTime(0, 0), Qt::LocalTime).addSecs(60 * minuteOfDay).toUTC();
    }
    QDateTime inMinutes(int minutes) const { return clock.now().addSecs(60 * minutes); }

    // A pending calibration is postponed, given up or done; otherwise now and then the laptop stays
    // on mains for days. Then work on battery down to a level and on mains for a while, until
    // bedtime.
    void day() {
        const QDateTime bedtime = localTime(pick(22 * 60, 24 * 60 + 30));
        const bool due =
            delegate.records.back().calibrationState == CalibrationState::pendingCalibration;
        leftLifted += !due && !_battery.chargeLimitEnabled;
        if (due) {
            const int choice = pick(0, 9);
            if (choice < 3) {
                engine->manager->postponeCalibration();
                ++postponements;
            } else {
                calibration(choice < 7 ? pick(0, 3) : 4);
            }
        } else if (pick(0, 6) == 0) {
            plug(true);
            tickUntil(bedtime.addDays(pick(1, 3)));
        } else if (pick(0, 9) == 0) {
            plug(true);
            tickUntil(inMinutes(pick(10, 60)));
            _battery.present = false;
            tickUntil(inMinutes(pick(5, 40)));
            _battery.present = true;
            ++batteryRemovals;
        }
        while (clock.now() < bedtime) {
            if (_onMains) {
                tickUntil(std::min(bedtime, inMinutes(pick(60, 300))));
                if (clock.now() < bedtime)
                    plug(false);
                continue;
            }
            _workRate = pick(22, 40) / 100.0;
            const unsigned plugAt = pick(0, 6) == 0 ? pick(6, 9) : pick(12, 45);
            tickUntil(bedtime, [&] { return _battery.charge <= plugAt; });
            if (_battery.charge <= plugAt)
                plug(true);
        }
    }

    // Charged to full and kept on mains past two hours, run down under 10 % on battery, asleep more
    // than five hours and woken under 15 %; or given up at step `giveUpAt` (0 to 3).
    void calibration(int giveUpAt) {
        plug(true);
        tickUntil(inMinutes(24 * 60), [&] { return _battery.isCharged; });
        abandoned += giveUpAt < 4;
        if (giveUpAt == 0) {
            tickUntil(inMinutes(pick(20, 100))); // unplugged before two hours
            plug(false);
            return;
        }
        tickUntil(inMinutes(pick(130, 240)));
        plug(false);
        if (giveUpAt == 1) {
            tickUntilCharge(pick(25, 60));
            plug(true);
            return;
        }
        _workRate = pick(25, 40) / 100.0;
        tickUntilCharge(pick(3, 8));
        if (giveUpAt == 2) {
            plug(true);
            return;
        }
        if (giveUpAt == 3) { // plugged in while asleep
            sleepUntil(inMinutes(pick(120, 420)), true);
            return;
        }
        // Done by sleeping, by switching off, or by sleeping again after waking too early.
        const int way = pick(0, 2);
        if (way == 2) {
            sleepUntil(inMinutes(pick(60, 240)));
            tickUntil(inMinutes(pick(2, 10)));
            ++earlyWakes;
        }
        if (way == 1)
            powerOffUntil(inMinutes(pick(330, 540)));
        else
            sleepUntil(inMinutes(pick(330, 540)));
        completed.push_back(describe(clock.now(), _battery.chargeFull / 1000, _battery.cycleCount));
    }

    // Asleep until the next morning at least three hours away; on mains by habit, and always when
    // low: asleep under 10 % on battery is the end of a calibration, not an ordinary night.
    void night() {
        if (_battery.charge < 20 || pick(0, 1) == 0)
            plug(true);
        QDateTime morning = localTime(pick(390, 540));
        while (morning < inMinutes(180))
            morning = morning.addDays(1);
        sleepUntil(morning);
    }

    QTemporaryDir _folder;
    FakeBattery _battery;
    bool _onMains = false;
    double _charge = 60;
    double _used = 0;
    double _workRate = 0.3; // percent per awake minute on battery
    std::mt19937 _user{20240302};
    std::optional<std::mt19937> _restarts; // one in about 3000 awake minutes
};

TEST(EngineSimulationTest, RestartsContinueWithTheSameStatesAndRecordsAsAnUninterruptedRun) {
    const Simulation uninterrupted(std::nullopt);
    const std::vector<Record>& records = uninterrupted.delegate.records;
    ASSERT_NE(records.front().date.toLocalTime().offsetFromUtc(), 0)
        << "calendar days are checked away from UTC: run under ctest, which sets TZ";
    EXPECT_GE(uninterrupted.completed.size(), 4u);
    EXPECT_GE(uninterrupted.abandoned, 3);
    EXPECT_GE(uninterrupted.postponements, 2);
    EXPECT_GE(uninterrupted.powerOffs, 1);
    EXPECT_GE(uninterrupted.earlyWakes, 1);
    EXPECT_GE(uninterrupted.batteryRemovals, 3);
    EXPECT_EQ(uninterrupted.stored(Calibration::kEntityName), uninterrupted.completed);
    EXPECT_GE(uninterrupted.chargeLimitSwitches(), 2 * int(uninterrupted.completed.size()));
    EXPECT_EQ(uninterrupted.leftLifted, 0);

    const Simulation restarted(77);
    EXPECT_GE(restarted.restarts, 20) << restarted.restarts;
    const auto [first, other] = std::ranges::mismatch(records, restarted.delegate.records);
    EXPECT_TRUE(first == records.end() && other == restarted.delegate.records.end())
        << "first difference at update " << (first - records.begin()) << ", "
        << (first == records.end() ? QString("end") : first->date.toString()).toStdString();
    for (const QString& entity : {Calibration::kEntityName, BatteryStatusSnapshot::kEntityName})
        EXPECT_EQ(restarted.stored(entity), uninterrupted.stored(entity)) << entity.toStdString();
}

} // namespace
