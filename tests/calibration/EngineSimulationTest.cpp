// Six months of a laptop and its user, minute by minute on a fake clock, through the whole
// engine: the real reader on a modelled battery, the battery manager, the state machine, the
// calibration schedule, the settings file and the data store.

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
#include <random>
#include <set>

namespace {

using Record = RecordingBatteryManagerDelegate::Record;
using Notice = RecordingBatteryManagerDelegate::Notice;
using Kind = RecordingBatteryManagerDelegate::Kind;

constexpr int kSimulatedDays = 183;
constexpr unsigned kUserSeed = 20240301;
constexpr unsigned kRestartSeed = 77;
constexpr double kThirtyHours = 108000;

// Charge in percent of the present full capacity; each 100 % used up is a cycle, and each cycle
// takes a little off the full capacity.
class BatteryModel {
public:
    static constexpr qint64 kFadePerCycle = 1000; // µAh

    BatteryModel() {
        readings.cycleCount = 87;
        readings.chargeFull = 4800000;
        readings.chargeFullDesign = 5000000;
        publish();
    }

    void runMinute(bool awake) {
        if (onMains) {
            // Fast up to 80 %, then tapering.
            _charge = std::min(100.0, _charge + (_charge < 80 ? 1.1 : 0.45));
        } else {
            const double used = std::min(_charge, awake ? workRate : 0.002);
            _charge -= used;
            _worn += used;
            if (_worn >= 100) {
                _worn -= 100;
                ++readings.cycleCount;
                readings.chargeFull -= kFadePerCycle;
            }
        }
        publish();
    }
    void plug(bool mains) {
        onMains = mains;
        publish();
    }
    unsigned reading() const { return readings.charge; }

    FakeBattery readings;
    bool onMains = false;
    // Percent per awake minute on battery.
    double workRate = 0.3;

private:
    void publish() {
        readings.set(onMains, unsigned(_charge));
        readings.timeToEmpty = onMains ? 0 : qint64(_charge / workRate);
        readings.timeToFull = readings.isCharging ? qint64((100 - _charge) / 0.8) : 0;
    }

    double _charge = 60;
    double _worn = 0;
};

struct StoredRecord {
    QDateTime date;
    uint64_t capacity;
    uint64_t cycleCount;
    bool operator==(const StoredRecord&) const = default;
};

void PrintTo(const StoredRecord& record, std::ostream* out) {
    *out << record.date.toString(Qt::ISODate).toStdString() << ", " << record.capacity << " mAh, "
         << record.cycleCount << " cycles";
}

// The laptop, its user and the engine. With a restart seed the application is quit and started
// again at random minutes, from the settings file and the data store it left.
class Simulation {
public:
    explicit Simulation(std::optional<unsigned> restartSeed)
        : clock(QDateTime(QDate(2024, 3, 1), QTime(8, 0), Qt::LocalTime).toUTC())
        , _user(kUserSeed) {
        if (restartSeed)
            _restarts.emplace(*restartSeed);
        start();
        scheduleRestart();
    }
    // The engine reads the battery and keeps its files in the folder: it goes first.
    ~Simulation() { engine.reset(); }

    void run() {
        const QDateTime end = clock.now().addDays(kSimulatedDays);
        while (clock.now() < end) {
            day();
            night();
        }
    }

    std::vector<StoredRecord> stored(const QString& entityName) {
        std::vector<StoredRecord> records;
        for (const ManagedObject& object : engine->stored(entityName))
            records.push_back({object.date().value_or(QDateTime()), object.capacity().value_or(0),
                               object.cycleCount().value_or(0)});
        std::reverse(records.begin(), records.end());
        return records;
    }
    bool fromEvent(size_t record) const { return _eventRecords.count(record) > 0; }
    QString storeFile() const { return _folder.filePath(AppPersistance::kStoreFileName); }

    FakeDateProvider clock;
    RecordingBatteryManagerDelegate delegate{clock};
    // The calibrations the user went through to the end, as the store should hold them.
    std::vector<StoredRecord> completed;
    int postponements = 0;
    int abandoned = 0;
    int restarts = 0;
    std::unique_ptr<TestEngine> engine;

private:
    void start() {
        engine = std::make_unique<TestEngine>(_folder.path(), _battery.readings, clock, &delegate);
        engine->manager->startCalibrationControl();
        // The application's first update, right after launch.
        engine->manager->refresh();
    }

    void scheduleRestart() {
        if (_restarts)
            _nextRestart = clock.now().addSecs(60 * pick(*_restarts, 60, 8 * 24 * 60));
    }

    // A restart is due, and the battery is not becoming full just now: the first update after a
    // start has nothing to compare with, so it rightly takes no snapshot.
    bool restartNow() const {
        return _restarts && clock.now() >= _nextRestart &&
               _battery.readings.isCharged == delegate.records.back().isCharged;
    }

    void tick() {
        _battery.runMinute(true);
        clock.advance(60);
        if (restartNow()) {
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
    void tickFor(int minutes) {
        for (int i = 0; i < minutes; ++i)
            tick();
    }
    void plug(bool mains) {
        if (_battery.onMains == mains)
            return;
        _battery.plug(mains);
        _battery.readings.notifyChange();
    }
    void sleepUntil(const QDateTime& wakeAt, bool pluggedInWhileAsleep = false) {
        _eventRecords.insert(delegate.records.size());
        engine->sleep();
        if (pluggedInWhileAsleep)
            _battery.plug(true);
        while (clock.now() < wakeAt) {
            _battery.runMinute(false);
            clock.advance(60);
        }
        _eventRecords.insert(delegate.records.size());
        engine->wake();
    }

    static int pick(std::mt19937& random, int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    }
    int pick(int low, int high) { return pick(_user, low, high); }
    QDateTime localTime(int dayOffset, int minuteOfDay) const {
        const QDate day = clock.now().toLocalTime().date().addDays(dayOffset);
        return QDateTime(day, QTime(0, 0), Qt::LocalTime).addSecs(60 * minuteOfDay).toUTC();
    }
    QDateTime inMinutes(int minutes) const { return clock.now().addSecs(60 * minutes); }

    void day() {
        const QDateTime bedtime = localTime(0, pick(22 * 60, 24 * 60 + 30));
        if (_mainsDaysLeft > 0) {
            --_mainsDaysLeft;
            plug(true);
            tickUntil(bedtime);
            return;
        }
        if (delegate.records.back().calibrationState == CalibrationState::pendingCalibration) {
            const int choice = pick(0, 9);
            if (choice < 3) {
                engine->manager->postponeCalibration();
                ++postponements;
            } else if (choice < 7) {
                abortedCalibration(pick(0, 3));
                ++abandoned;
            } else {
                fullCalibration();
            }
        } else if (pick(0, 6) == 0) {
            _mainsDaysLeft = pick(1, 3);
            plug(true);
        }
        regularDay(bedtime);
    }

    // Work on battery down to a level, then on mains for a while, until bedtime.
    void regularDay(const QDateTime& bedtime) {
        while (clock.now() < bedtime) {
            if (_battery.onMains) {
                tickUntil(std::min(bedtime, inMinutes(pick(60, 300))));
                if (clock.now() < bedtime)
                    plug(false);
                continue;
            }
            _battery.workRate = pick(22, 40) / 100.0;
            const unsigned plugAt = pick(0, 6) == 0 ? pick(6, 9) : pick(12, 45);
            tickUntil(bedtime, [&] { return _battery.reading() <= plugAt; });
            if (_battery.reading() <= plugAt)
                plug(true);
        }
    }

    // Charged to full and kept on mains past two hours, unplugged and run down under 10 %, asleep
    // for more than five hours and woken under 15 %.
    void fullCalibration() {
        chargeToFull();
        tickFor(pick(130, 240));
        runDownUnder10();
        sleepUntil(inMinutes(pick(330, 540)));
        completed.push_back({clock.now(), uint64_t(_battery.readings.chargeFull / 1000),
                             uint64_t(_battery.readings.cycleCount)});
    }

    // The same, given up at one of four steps.
    void abortedCalibration(int step) {
        chargeToFull();
        if (step == 0) {
            tickFor(pick(20, 100)); // unplugged before two hours
            plug(false);
            return;
        }
        tickFor(pick(130, 240));
        if (step == 1) {
            plug(false);
            const unsigned plugAt = pick(25, 60);
            tickUntil(inMinutes(24 * 60), [&] { return _battery.reading() <= plugAt; });
            plug(true);
            return;
        }
        runDownUnder10();
        if (step == 2) {
            plug(true);
            return;
        }
        sleepUntil(inMinutes(pick(120, 420)), true); // plugged in while asleep
    }

    void chargeToFull() {
        plug(true);
        tickUntil(inMinutes(24 * 60), [&] { return _battery.readings.isCharged; });
    }
    void runDownUnder10() {
        plug(false);
        _battery.workRate = pick(25, 40) / 100.0;
        const unsigned target = pick(3, 8);
        tickUntil(inMinutes(24 * 60), [&] { return _battery.reading() <= target; });
    }

    // Asleep until the next morning at least three hours away; on mains by habit, and always when
    // low: asleep under 10 % on battery is the end of a calibration, not an ordinary night.
    void night() {
        if (_battery.reading() < 20 || pick(0, 1) == 0)
            plug(true);
        QDateTime morning = localTime(0, pick(390, 540));
        while (morning < inMinutes(180))
            morning = morning.addDays(1);
        sleepUntil(morning);
    }

    QTemporaryDir _folder;
    BatteryModel _battery;
    std::mt19937 _user;
    std::optional<std::mt19937> _restarts;
    QDateTime _nextRestart;
    std::set<size_t> _eventRecords;
    int _mainsDaysLeft = 0;
};

// The calendar rule: a snapshot counts as recent from its local day on, until the local day of
// the instant four days (345600 s) later has passed.
QDate dayFourDaysBefore(const QDateTime& date) {
    return date.addSecs(-345600).toLocalTime().date();
}

class EngineSimulationTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        uninterrupted = std::make_unique<Simulation>(std::nullopt);
        uninterrupted->run();
    }
    static void TearDownTestSuite() { uninterrupted.reset(); }
    void SetUp() override {
        ASSERT_NE(QDateTime(QDate(2024, 3, 1), QTime(8, 0), Qt::LocalTime).offsetFromUtc(), 0)
            << "calendar days are checked away from UTC: run under ctest, which sets TZ";
    }

    // The updates that ran the notice rules: not system events, and not in calibrationDone.
    static std::vector<size_t> noticeUpdates() {
        std::vector<size_t> updates;
        const auto& records = uninterrupted->delegate.records;
        for (size_t i = 0; i < records.size(); ++i)
            if (!uninterrupted->fromEvent(i) &&
                records[i].algorithmState != AlgorithmState::calibrationDone)
                updates.push_back(i);
        return updates;
    }
    static std::vector<Notice> notices(Kind kind) {
        std::vector<Notice> result;
        for (const Notice& notice : uninterrupted->delegate.notices)
            if (notice.kind == kind)
                result.push_back(notice);
        return result;
    }

    static inline std::unique_ptr<Simulation> uninterrupted;
};

TEST_F(EngineSimulationTest, EveryCompletedCalibrationIsStoredOnceAndNoOther) {
    const auto& completed = uninterrupted->completed;
    EXPECT_GE(completed.size(), 4u);
    EXPECT_GE(uninterrupted->abandoned, 3);
    EXPECT_GE(uninterrupted->postponements, 2);
    const auto& records = uninterrupted->delegate.records;
    EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const Record& record) {
        return record.calibrationState == CalibrationState::postponed;
    }));
    EXPECT_EQ(uninterrupted->stored(Calibration::kEntityName), completed);
    // The capacity faded with the cycles.
    EXPECT_LT(completed.back().capacity, completed.front().capacity);
    EXPECT_GT(completed.back().cycleCount, completed.front().cycleCount);

    // As another program reads the file.
    QProcess sqlite;
    sqlite.start("sqlite3", {uninterrupted->storeFile(), "SELECT count(*) FROM Calibration"});
    ASSERT_TRUE(sqlite.waitForFinished()) << "sqlite3 is one of the test dependencies";
    EXPECT_EQ(sqlite.readAllStandardOutput().trimmed(), QByteArray::number(completed.size()));
}

TEST_F(EngineSimulationTest, SnapshotsAreTakenWhenTheBatteryBecomesFullAtMostOnceInFourDays) {
    const auto& records = uninterrupted->delegate.records;
    const auto snapshots = uninterrupted->stored(BatteryStatusSnapshot::kEntityName);
    ASSERT_GE(snapshots.size(), 30u);
    size_t next = 0;
    int suppressed = 0;
    for (size_t i = 1; i < records.size(); ++i) {
        if (records[i - 1].isCharged || !records[i].isCharged)
            continue;
        const bool taken = next < snapshots.size() && snapshots[next].date == records[i].date;
        if (taken) {
            EXPECT_EQ(snapshots[next].capacity, records[i].capacity);
            EXPECT_EQ(snapshots[next].cycleCount, records[i].cycleCount);
            if (next > 0) {
                EXPECT_LE(snapshots[next - 1].date.toLocalTime().date(),
                          dayFourDaysBefore(records[i].date))
                    << "snapshot at " << records[i].date.toString().toStdString();
            }
            ++next;
        } else {
            ++suppressed;
            ASSERT_GT(next, 0u) << "no snapshot when the battery first became full";
            EXPECT_GT(snapshots[next - 1].date.toLocalTime().date(),
                      dayFourDaysBefore(records[i].date))
                << "no snapshot at " << records[i].date.toString().toStdString();
        }
    }
    EXPECT_EQ(next, snapshots.size()) << "a snapshot without the battery becoming full";
    EXPECT_GT(suppressed, 100);
}

TEST_F(EngineSimulationTest, EachLowChargeNoticeFiresOncePerDescent) {
    const auto& records = uninterrupted->delegate.records;
    for (const uint64_t threshold : {uint64_t(20), uint64_t(5)}) {
        std::vector<size_t> descents;
        bool armed = true;
        for (const size_t i : noticeUpdates()) {
            if (records[i].charge >= threshold)
                armed = true;
            else if (std::exchange(armed, false))
                descents.push_back(i);
        }
        std::vector<size_t> sent;
        for (const Notice& notice : notices(Kind::charge))
            if (notice.value == double(threshold))
                sent.push_back(notice.record);
        EXPECT_GE(descents.size(), threshold == 20 ? 50u : 2u);
        EXPECT_EQ(sent, descents) << "threshold " << threshold;
    }
}

TEST_F(EngineSimulationTest, NoNoticeWhileTheCalibrationRestsAndNoPowerNoticeWhilePending) {
    const auto& records = uninterrupted->delegate.records;
    int powerChangesWhilePending = 0;
    int powerChangesWhileDone = 0;
    for (size_t i = 1; i < records.size(); ++i) {
        if (records[i].powerSource == records[i - 1].powerSource)
            continue;
        powerChangesWhilePending +=
            records[i].calibrationState == CalibrationState::pendingCalibration;
        powerChangesWhileDone += records[i].algorithmState == AlgorithmState::calibrationDone;
    }
    EXPECT_GT(powerChangesWhilePending, 5);
    EXPECT_GT(powerChangesWhileDone, 10);

    EXPECT_GT(notices(Kind::powerSource).size(), 100u);
    EXPECT_GT(notices(Kind::connectedTooLong).size(), 10u);
    for (const Notice& notice : uninterrupted->delegate.notices) {
        const Record& record = records[notice.record];
        if (notice.kind != Kind::guide) {
            EXPECT_NE(record.algorithmState, AlgorithmState::calibrationDone)
                << int(notice.kind) << " at " << record.date.toString().toStdString();
        }
        if (notice.kind == Kind::powerSource) {
            EXPECT_NE(record.calibrationState, CalibrationState::pendingCalibration)
                << record.date.toString().toStdString();
        }
        if (notice.kind == Kind::connectedTooLong) {
            EXPECT_LT(notice.value, -kThirtyHours);
        }
    }
}

TEST_F(EngineSimulationTest, RestartsContinueWithTheSameStatesAndRecords) {
    Simulation restarted(kRestartSeed);
    restarted.run();
    EXPECT_GE(restarted.restarts, 20);

    const auto& expected = uninterrupted->delegate.records;
    const auto& actual = restarted.delegate.records;
    const auto [first, other] =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    EXPECT_TRUE(first == expected.end() && other == actual.end())
        << "first difference at update " << (first - expected.begin()) << ", "
        << (first == expected.end() ? QString("end") : first->date.toString()).toStdString();
    for (const QString& entity : {Calibration::kEntityName, BatteryStatusSnapshot::kEntityName})
        EXPECT_EQ(restarted.stored(entity), uninterrupted->stored(entity)) << entity.toStdString();
}

} // namespace
