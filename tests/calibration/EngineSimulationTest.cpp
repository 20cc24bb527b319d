// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Six months of a laptop and its user, minute by minute on a fake clock, through the whole
// engine: the real reader, the battery manager, the state machine, the schedule and the files.

#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "support/FakeBattery.h"
#include "support/FakeDateProvider.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/TestEngine.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace {

using Record = RecordingBatteryManagerDelegate::Record;
using Notice = RecordingBatteryManagerDelegate::Notice;

// A stored calibration or snapshot.
std::string describe(const QDateTime& date, uint64_t capacity, uint64_t cycleCount) {
    return date.toString(Qt::ISODate).toStdString() + ", " + std::to_string(capacity) + " mAh, " +
           std::to_string(cycleCount) + " cycles";
}

// The laptop, its user and the engine. With a restart seed the application is quit and started
// again at random minutes, from the settings file and the data store it left.
class Simulation {
public:
    explicit Simulation(std::optional<unsigned> restartSeed)
        : clock(QDateTime(QDate(2024, 3, 1), QTime(8, 0), Qt::LocalTime).toUTC()) {
        publish();
        if (restartSeed)
            _restarts.emplace(*restartSeed);
        start();
        scheduleRestart();
    }
    ~Simulation() { engine.reset(); } // it reads the battery and keeps its files in the folder

    void run() {
        const QDateTime end = clock.now().addDays(183);
        while (clock.now() < end) {
            day();
            night();
        }
    }
    std::vector<std::string> stored(const QString& entityName) {
        std::vector<std::string> records;
        for (const ManagedObject& object : engine->stored(entityName))
            records.insert(records.begin(), describe(object.date().value_or(QDateTime()),
                                                     object.capacity().value_or(0),
                                                     object.cycleCount().value_or(0)));
        return records;
    }
    bool fromEvent(size_t record) const { return _eventRecords.contains(record); }
    // The first update of a start after a power-off.
    bool afterPowerOff(size_t record) const { return _powerOnRecords.contains(record); }
    QString storeFile() const { return _folder.filePath(AppPersistance::kStoreFileName); }

    FakeDateProvider clock;
    RecordingBatteryManagerDelegate delegate{clock};
    // The calibrations the user went through to the end, as the store should hold them.
    std::vector<std::string> completed;
    int postponements = 0;
    int abandoned = 0;
    int restarts = 0;
    int powerOffs = 0;
    int earlyWakes = 0;
    int batteryRemovals = 0;
    std::unique_ptr<TestEngine> engine;

private:
    // The charge is in percent of the present full capacity: fast up to 80 % on mains, then
    // tapering. Each 100 % used up is a cycle, which takes a little off the full capacity.
    void runMinute(bool awake) {
        if (!_battery.present)
            return;
        const double used = _onMains ? 0 : std::min(_charge, awake ? _workRate : 0.002);
        _charge =
            _onMains ? std::min(100.0, _charge + (_charge < 80 ? 1.1 : 0.45)) : _charge - used;
        _used += used;
        publish();
    }
    void publish() {
        _battery.set(_onMains, unsigned(_charge));
        _battery.cycleCount = 87 + qint64(_used / 100);
        _battery.chargeFull = 4800000 - 1000 * (_battery.cycleCount - 87);
    }
    void start() {
        engine = std::make_unique<TestEngine>(_folder.path(), _battery, clock, &delegate);
        engine->manager->startCalibrationControl();
        engine->manager->refresh(); // the application's first update, right after launch
    }
    void scheduleRestart() {
        if (_restarts)
            _nextRestart = inMinutes(pick(60, 8 * 24 * 60, &*_restarts));
    }
    // Not while the battery becomes full: the first update after a start rightly takes no
    // snapshot, having nothing to compare with.
    void tick() {
        runMinute(true);
        clock.advance(60);
        if (_restarts && clock.now() >= _nextRestart && _battery.present &&
            _battery.isCharged == delegate.records.back().isCharged) {
            engine.reset();
            start();
            ++restarts;
            scheduleRestart();
        } else {
            engine->timer->fire();
        }
    }
    void tickUntil(const QDateTime& deadline, const std::function<bool()>& done = nullptr) {
        while (!(done && done()) && clock.now() < deadline)
            tick();
    }
    void tickUntilCharge(unsigned charge) {
        tickUntil(inMinutes(24 * 60), [&] { return _battery.charge <= charge; });
    }
    // Asleep, the system reports nothing.
    void plug(bool mains, bool reported = true) {
        if (_onMains == mains)
            return;
        _onMains = mains;
        publish();
        if (reported)
            _battery.notifyChange();
    }
    void sleepUntil(const QDateTime& wakeAt, bool pluggedInWhileAsleep = false) {
        _eventRecords.insert(delegate.records.size());
        engine->sleep();
        if (pluggedInWhileAsleep)
            plug(true, false);
        while (clock.now() < wakeAt) {
            runMinute(false);
            clock.advance(60);
        }
        _eventRecords.insert(delegate.records.size());
        engine->wake();
    }
    // Switched off, and on again at `startAt`: the application quits and starts with the system.
    void powerOffUntil(const QDateTime& startAt) {
        _eventRecords.insert(delegate.records.size());
        engine->powerOff();
        engine.reset();
        while (clock.now() < startAt) {
            runMinute(false);
            clock.advance(60);
        }
        _powerOnRecords.insert(delegate.records.size());
        start();
        ++powerOffs;
    }
    // A removable battery taken out on mains for a while and put back.
    void removeBattery() {
        _battery.present = false;
        tickUntil(inMinutes(pick(5, 40)));
        _battery.present = true;
        ++batteryRemovals;
    }

    int pick(int low, int high, std::mt19937* random = nullptr) {
        return std::uniform_int_distribution<int>(low, high)(random ? *random : _user);
    }
    QDateTime localTime(int minuteOfDay) const {
        const QDate day = clock.now().toLocalTime().date();
        return QDateTime(day, QTime(0, 0), Qt::LocalTime).addSecs(60 * minuteOfDay).toUTC();
    }
    QDateTime inMinutes(int minutes) const { return clock.now().addSecs(60 * minutes); }

    // A pending calibration is postponed, given up or done; otherwise now and then the laptop
    // stays on mains for days. Then work on battery down to a level and on mains for a while,
    // until bedtime.
    void day() {
        const QDateTime bedtime = localTime(pick(22 * 60, 24 * 60 + 30));
        if (delegate.records.back().calibrationState == CalibrationState::pendingCalibration) {
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
            removeBattery();
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

    // Charged to full and kept on mains past two hours, run down under 10 % on battery, asleep
    // more than five hours and woken under 15 %; or given up at step `giveUpAt` (0 to 3).
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
        // Given up, it is plugged in while asleep.
        if (giveUpAt == 3) {
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
    std::mt19937 _user{20240301};
    std::optional<std::mt19937> _restarts;
    QDateTime _nextRestart;
    std::set<size_t> _eventRecords;
    std::set<size_t> _powerOnRecords;
};

class EngineSimulationTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        uninterrupted = std::make_unique<Simulation>(std::nullopt);
        uninterrupted->run();
    }
    static void TearDownTestSuite() { uninterrupted.reset(); }
    void SetUp() override {
        ASSERT_NE(records.front().date.toLocalTime().offsetFromUtc(), 0)
            << "calendar days are checked away from UTC: run under ctest, which sets TZ";
    }
    static inline std::unique_ptr<Simulation> uninterrupted;
    const std::vector<Record>& records = uninterrupted->delegate.records;
};

TEST_F(EngineSimulationTest, EveryCompletedCalibrationIsStoredOnceAndNoOther) {
    const auto& completed = uninterrupted->completed;
    EXPECT_GE(completed.size(), 4u);
    EXPECT_GE(uninterrupted->abandoned, 3);
    EXPECT_GE(uninterrupted->postponements, 2);
    EXPECT_GE(uninterrupted->powerOffs, 1);
    EXPECT_GE(uninterrupted->earlyWakes, 1);
    EXPECT_GE(uninterrupted->batteryRemovals, 3);
    EXPECT_TRUE(std::ranges::any_of(records, [](const Record& record) {
        return record.calibrationState == CalibrationState::postponed;
    }));
    EXPECT_EQ(uninterrupted->stored(Calibration::kEntityName), completed);
    EXPECT_LT(records.back().capacity, records.front().capacity); // faded with the cycles
    EXPECT_GT(records.back().cycleCount, records.front().cycleCount);

    QProcess sqlite; // as another program reads the file
    sqlite.start("sqlite3", {uninterrupted->storeFile(), "SELECT count(*) FROM Calibration"});
    ASSERT_TRUE(sqlite.waitForFinished()) << "sqlite3 is one of the test dependencies";
    EXPECT_EQ(sqlite.readAllStandardOutput().trimmed(), QByteArray::number(completed.size()));
}

// A snapshot when the battery becomes full, unless the last one is recent: from its local day on,
// until the local day of the instant four days (345600 s) later has passed.
TEST_F(EngineSimulationTest, SnapshotsAreTakenWhenTheBatteryBecomesFullAtMostOnceInFourDays) {
    std::vector<std::string> expected;
    QDate last;
    int suppressed = 0;
    for (size_t i = 1; i < records.size(); ++i) {
        if (records[i - 1].isCharged || !records[i].isCharged)
            continue;
        if (last.isValid() && last > records[i].date.addSecs(-345600).toLocalTime().date()) {
            ++suppressed;
            continue;
        }
        last = records[i].date.toLocalTime().date();
        expected.push_back(describe(records[i].date, records[i].capacity, records[i].cycleCount));
    }
    EXPECT_EQ(uninterrupted->stored(BatteryStatusSnapshot::kEntityName), expected);
    EXPECT_GE(expected.size(), 30u);
    EXPECT_GT(suppressed, 100);
}

// The notices the manager's rules call for, written out again update by update: none for system
// events, while the calibration rests or while the battery is out; the power source only once
// known and not while pending; each charge threshold once per descent; after 30 hours above 80 %,
// once until 80 % is seen again; the guide's word on each step of a pending calibration, asked
// again after a wake that does not end the rest; "Calibration Done!!" with each stored
// calibration. A start after a power-off begins with a fresh manager.
TEST_F(EngineSimulationTest, TheNoticesAreExactlyThoseTheRulesCallFor) {
    const std::map<AlgorithmState, std::string> guides = {
        {AlgorithmState::initCalibration, "Plug your Mac to fully charge it."},
        {AlgorithmState::fullyCharged, "Keep your Mac Conected for a while."},
        {AlgorithmState::disconnectAdapter, "You can disconnect your power adapter."},
        {AlgorithmState::turnItOff, "Allow your Mac to sleep or switch it off."}};
    std::set<QDateTime> calibrated;
    for (const ManagedObject& object : uninterrupted->engine->stored(Calibration::kEntityName))
        calibrated.insert(*object.date());
    std::vector<std::string> expected;
    PowerSourceType power = PowerSourceType::unknownPower; // none seen yet
    std::map<uint64_t, bool> below;
    QDateTime stretch;
    bool warned = false;
    AlgorithmState guided = AlgorithmState::calibrationOff;
    int changesWhilePending = 0;
    int changesWhileDone = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        const bool pending = record.calibrationState == CalibrationState::pendingCalibration;
        const bool done = record.algorithmState == AlgorithmState::calibrationDone;
        const bool changed = i > 0 && record.powerSource != records[i - 1].powerSource;
        changesWhilePending += changed && pending;
        changesWhileDone += changed && done;
        const auto expect = [&](const std::string& text) {
            expected.push_back(std::to_string(i) + " " + text);
        };
        if (uninterrupted->afterPowerOff(i)) {
            power = PowerSourceType::unknownPower;
            below.clear();
            stretch = QDateTime();
            warned = false;
            guided = AlgorithmState::calibrationOff;
        }
        if (i > 0 && calibrated.contains(record.date) && records[i - 1].date != record.date) {
            expect("guide Calibration Done!!");
            guided = AlgorithmState::calibrationDone;
        }
        if (uninterrupted->fromEvent(i)) {
            if (record.algorithmState == AlgorithmState::computerOff)
                guided = AlgorithmState::computerOff;
            continue;
        }
        if (record.noBattery)
            continue;
        if (!done) {
            if (power != PowerSourceType::unknownPower && power != record.powerSource && !pending)
                expect(record.powerSource == PowerSourceType::acPowered ? "power mains"
                                                                        : "power battery");
            power = record.powerSource;
            for (const uint64_t threshold : {20, 5}) {
                if (record.charge >= threshold)
                    below[threshold] = false;
                else if (!std::exchange(below[threshold], true))
                    expect("charge " + std::to_string(threshold));
            }
            if (!stretch.isValid() || record.charge <= 80) {
                stretch = record.date;
                warned = false;
            }
            if (!warned && stretch.addSecs(108000) < record.date) {
                expect("connected " + std::to_string(record.date.secsTo(stretch)));
                warned = true;
            }
        }
        if (pending && std::exchange(guided, record.algorithmState) != record.algorithmState &&
            !done)
            expect("guide " + (guides.contains(guided) ? guides.at(guided) : "none"));
    }
    std::vector<std::string> sent;
    for (const Notice& notice : uninterrupted->delegate.notices)
        sent.push_back(std::to_string(notice.record) + " " + notice.text);
    const auto [first, other] = std::ranges::mismatch(sent, expected);
    EXPECT_TRUE(first == sent.end() && other == expected.end())
        << "sent " << (first == sent.end() ? "nothing" : *first) << ", expected "
        << (other == expected.end() ? "nothing" : *other);

    EXPECT_GT(changesWhilePending, 5);
    EXPECT_GT(changesWhileDone, 10);
    for (const auto& entry : std::map<std::string, long>{{"charge 20", 50},
                                                         {"charge 5", 2},
                                                         {"power", 100},
                                                         {"connected", 10},
                                                         {"guide", 10}}) {
        const std::string word = " " + entry.first;
        EXPECT_GE(std::ranges::count_if(sent,
                                        [&](const std::string& line) {
                                            return line.find(word) != std::string::npos;
                                        }),
                  entry.second)
            << entry.first;
    }
}

TEST_F(EngineSimulationTest, RestartsContinueWithTheSameStatesAndRecords) {
    Simulation restarted(77);
    restarted.run();
    EXPECT_GE(restarted.restarts, 20);
    const auto& actual = restarted.delegate.records;
    const auto [first, other] = std::ranges::mismatch(records, actual);
    EXPECT_TRUE(first == records.end() && other == actual.end())
        << "first difference at update " << (first - records.begin()) << ", "
        << (first == records.end() ? QString("end") : first->date.toString()).toStdString();
    for (const QString& entity : {Calibration::kEntityName, BatteryStatusSnapshot::kEntityName})
        EXPECT_EQ(restarted.stored(entity), uninterrupted->stored(entity)) << entity.toStdString();
}

} // namespace
