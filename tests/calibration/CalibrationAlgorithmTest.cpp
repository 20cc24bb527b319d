// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "calibration/CalibrationAlgorithm.h"

#include "battery/BatteryData.h"
#include "calibration/CalibrationAlgorithmDelegate.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using enum AlgorithmState;
using Event = CalibrationRelevantEvent;

constexpr double kTwoHours = 7200, kFiveHours = 18000, kOneDay = 86400;
const std::map<AlgorithmState, double> kMinimumTime = {{fullyCharged, kTwoHours},
                                                       {turnItOff, kFiveHours},
                                                       {computerOff, kFiveHours},
                                                       {calibrationDone, kOneDay}};

constexpr int kMains = 1, kCharging = 2, kCharged = 4;
struct Sample {
    uint64_t charge;
    int flags = 0;
};
constexpr Sample kFull{100, kMains | kCharged};

void runOn(CalibrationAlgorithm& algorithm, Sample sample, std::optional<Event> event = {}) {
    BatteryData data;
    data.powerSource =
        sample.flags & kMains ? PowerSourceType::acPowered : PowerSourceType::batteryPowered;
    data.isCharging = sample.flags & kCharging;
    data.isCharged = sample.flags & kCharged;
    data.currentChargePercentage = sample.charge;
    algorithm._runAlgorithmFiniteStateMachineWithData(data, event);
}

// Writes the calls as "unset, set 7200, changed fullyCharged"; "set" carries the time left.
class RecordingDelegate : public CalibrationAlgorithmDelegate {
public:
    void calibrationAlgorithmStateChanged(CalibrationAlgorithm&, AlgorithmState state) override {
        add(std::string("changed ") + algorithmStateName(state));
    }
    void calibrationAlgorithmSetTimeStamp(CalibrationAlgorithm& algorithm) override {
        add("set " + std::to_string(qint64(algorithm.timeRemainingIfAny())));
    }
    void calibrationAlgorithmUnsetTimeStamp(CalibrationAlgorithm&) override { add("unset"); }
    void add(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
    std::string take() { return std::exchange(calls, {}); }

    std::string calls;
};

// The registered preferences; `instant` ends the off and done waits the moment they start.
class TunablePreferences : public AmpraPreferences {
public:
    using AmpraPreferences::AmpraPreferences;
    double minimumTimeInComputerOff() const override {
        return instant ? -1 : AmpraPreferences::minimumTimeInComputerOff();
    }
    double minimumTimeInCalibrationDone() const override {
        return instant ? -1 : AmpraPreferences::minimumTimeInCalibrationDone();
    }
    bool instant = false;
};

} // namespace

// The machine's entry flag, which only the tests read.
struct CalibrationAlgorithmProbe {
    static bool isEnteringAState(const CalibrationAlgorithm& machine) {
        return machine._isEnteringAState;
    }
};

namespace {

class CalibrationAlgorithmTest : public testing::Test {
protected:
    void SetUp() override { algorithm.delegate = &delegate; }
    void run(Sample sample, std::optional<Event> event = {}) { runOn(algorithm, sample, event); }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    TunablePreferences preferences{store};
    FakeDateProvider clock;
    CalibrationAlgorithm algorithm{preferences, clock};
    RecordingDelegate delegate;
    LogCapture log{"calibration.algorithm"};
};

TEST_F(CalibrationAlgorithmTest, AWholeCalibrationEndsDoneAndStartsOverADayLater) {
    struct Step {
        double wait;
        Sample sample;
        std::optional<Event> event;
        AlgorithmState state;
        std::string calls;
    };
    const std::vector<Step> steps = {
        {0, {50}, {}, initCalibration, "unset, changed initCalibration"},
        {0, {50, kMains | kCharging}, {}, charging, "unset, changed charging"},
        {3600, {90, kMains | kCharging}, {}, charging, ""},
        {0, kFull, {}, fullyCharged, "unset, set 7200, changed fullyCharged"},
        {kTwoHours, kFull, {}, fullyCharged, ""},
        {60, kFull, {}, disconnectAdapter, "unset, changed disconnectAdapter"},
        {0, {100}, {}, discharging, "unset, changed discharging"},
        {3 * 3600, {10}, {}, discharging, ""},
        {0, {9}, {}, turnItOff, "unset, set 18000, changed turnItOff"},
        {600, {9}, Event::sleep, computerOff, "unset, set 18000, changed computerOff"},
        {18060, {12}, Event::wakeUp, calibrationDone, "unset, set 86400, changed calibrationDone"},
        {kOneDay, {30}, {}, calibrationDone, ""},
        {60, {30}, {}, initCalibration, "unset, changed initCalibration"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(&step - steps.data()));
        clock.advance(step.wait);
        run(step.sample, step.event);
        EXPECT_EQ(algorithm.algorithmState(), step.state);
        EXPECT_EQ(delegate.take(), step.calls);
    }
    EXPECT_EQ(algorithm.timeRemainingIfAny(), 0);
    // Leaving calibrationOff takes a fresh machine a second pass.
    EXPECT_EQ(log.lines().at(0).message, "Algorithm LoopCounter: 2");
    for (const LogCapture::Line& line : log.lines())
        EXPECT_EQ(line.level, log4cplus::INFO_LOG_LEVEL) << line.message;
}

TEST_F(CalibrationAlgorithmTest, ARunStopsAfterSixPassesAndTheNextOneEntersTheLastState) {
    preferences.instant = true;
    run({50});
    run(kFull);
    clock.advance(kTwoHours + 1);
    log.clear();
    delegate.take();

    run({5}, Event::sleep);
    EXPECT_EQ(algorithm.algorithmState(), initCalibration);
    EXPECT_TRUE(CalibrationAlgorithmProbe::isEnteringAState(algorithm));
    EXPECT_EQ(log.count("Algorithm LoopCounter: 6"), 1);
    EXPECT_EQ(log.count("Algorithm LoopCounter: 7"), 0);
    log.clear();
    EXPECT_EQ(delegate.take(), "unset, unset, unset, set 0, unset, set 0, unset, set 0, unset, "
                               "changed initCalibration");

    run({5});
    EXPECT_FALSE(CalibrationAlgorithmProbe::isEnteringAState(algorithm));
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].message.rfind("Entering CalibrationInit with data ", 0), 0u);
    EXPECT_EQ(delegate.take(), "");
}

// A state restored without a time stamp times its wait from now; then one run, without a delegate,
// from a state entered `secondsInState` ago. The walk above has the main path.
TEST_F(CalibrationAlgorithmTest, EachStateIsLeftOnlyOnItsConditions) {
    struct Row {
        AlgorithmState from;
        double secondsInState;
        Sample sample;
        std::optional<Event> event;
        AlgorithmState expected;
    };
    const std::vector<Row> rows = {
        {calibrationOff, 0, {50, kMains | kCharging}, {}, charging},
        {calibrationOff, 0, kFull, {}, fullyCharged},
        {initCalibration, 0, {50}, {}, initCalibration},
        {initCalibration, 0, {50, kMains}, {}, initCalibration},
        {initCalibration, 0, {50, kCharging}, {}, initCalibration},
        {charging, 0, {60, kMains}, {}, initCalibration},
        {charging, 0, {60, kCharging}, {}, charging},
        {charging, 0, {100, kCharged}, {}, initCalibration},
        {fullyCharged, 3600, {100}, {}, initCalibration},
        {fullyCharged, 3600, {99, kMains | kCharging}, {}, charging},
        {fullyCharged, kTwoHours + 1, {100}, {}, discharging},
        {disconnectAdapter, 0, kFull, {}, disconnectAdapter},
        {disconnectAdapter, 0, {5}, {}, turnItOff},
        {discharging, 0, {9, kMains}, {}, initCalibration},
        {discharging, 0, {9, kMains | kCharging}, {}, charging},
        {discharging, 0, {9}, Event::sleep, computerOff},
        {turnItOff, 0, {9, kMains | kCharging}, Event::sleep, computerOff},
        {turnItOff, kFiveHours, {9}, {}, turnItOff},
        {turnItOff, kFiveHours + 1, {9}, {}, calibrationDone},
        {turnItOff, kFiveHours + 1, {9}, Event::wakeUp, calibrationDone},
        {turnItOff, kFiveHours + 1, {9, kMains | kCharging}, {}, calibrationDone},
        {turnItOff, kFiveHours + 1, {10}, {}, turnItOff},
        {turnItOff, 3600, {9, kMains | kCharging}, {}, charging},
        {turnItOff, 3600, {9, kCharged}, {}, initCalibration},
        {computerOff, kFiveHours + 1, {14, kMains}, Event::wakeUp, calibrationDone},
        {computerOff, kFiveHours + 1, {15, kMains}, Event::wakeUp, initCalibration},
        {computerOff, kFiveHours, {14, kMains}, Event::wakeUp, initCalibration},
        {computerOff, 3600, {5, kMains | kCharging}, Event::wakeUp, charging},
        {computerOff, kFiveHours + 1, {14}, Event::wakeUp, calibrationDone},
        {computerOff, kFiveHours + 1, {15}, Event::wakeUp, turnItOff},
        {computerOff, 3600, {5}, Event::wakeUp, turnItOff},
        {computerOff, 3600, {5, kCharging}, Event::wakeUp, initCalibration},
        {computerOff, kFiveHours + 1, {14}, {}, calibrationDone},
        {computerOff, 3600, {14, kMains | kCharging}, {}, charging}, // restored: a wake
        {computerOff, 3600, {5}, Event::sleep, computerOff},
        {afterWakeUp, kOneDay, kFull, Event::wakeUp, afterWakeUp},
        {calibrationDone, kOneDay + 1, {50, kMains | kCharging}, {}, charging},
    };
    // The states whose forced run has a sample of its own to keep them.
    const std::set<AlgorithmState> prepared = {charging,    fullyCharged, disconnectAdapter,
                                               discharging, turnItOff,    computerOff};
    for (const Row& row : rows) {
        const std::string name = algorithmStateName(row.from);
        SCOPED_TRACE("row " + std::to_string(&row - rows.data()) + " from " + name);
        CalibrationAlgorithm machine(preferences, clock);
        machine.delegate = &delegate;
        log.clear();
        machine._forceAlgorithmFiniteStateMachineToState(row.from, std::nullopt);
        ASSERT_EQ(machine.algorithmState(), row.from);
        EXPECT_EQ(log.count("No change make on force state " + name), !prepared.contains(row.from));
        const double minimum = kMinimumTime.contains(row.from) ? kMinimumTime.at(row.from) : 0;
        EXPECT_EQ(machine.timeRemainingIfAny(), minimum);
        const std::string set = minimum ? "set " + std::to_string(qint64(minimum)) + ", " : "";
        EXPECT_EQ(delegate.take(), row.from == calibrationOff ? "" : set + "changed " + name);

        machine.delegate = nullptr;
        clock.advance(row.secondsInState);
        runOn(machine, row.sample, row.event);
        EXPECT_EQ(machine.algorithmState(), row.expected);
        EXPECT_FALSE(CalibrationAlgorithmProbe::isEnteringAState(machine));
    }
}

// Restored an hour after it was entered, a timed state has an hour less to wait (the table above
// has when a wait is over); restored after its wait, it moves on at once, or, for the rest, on the
// first real reading, which for computerOff is the computer coming back.
TEST_F(CalibrationAlgorithmTest, ForcingATimedStateContinuesTheWaitFromItsTimeStamp) {
    const std::map<AlgorithmState, std::pair<Sample, AlgorithmState>> keepingAndNext = {
        {fullyCharged, {kFull, disconnectAdapter}},
        {turnItOff, {{9}, calibrationDone}},
        {computerOff, {{14}, calibrationDone}},
        {calibrationDone, {{50}, initCalibration}}};
    for (const auto& [state, minimum] : kMinimumTime) {
        const auto [keeping, next] = keepingAndNext.at(state);
        const std::string name = algorithmStateName(state);
        SCOPED_TRACE(name);
        CalibrationAlgorithm restored(preferences, clock);
        restored.delegate = &delegate;
        log.clear();
        const QDateTime stamp = clock.now().addSecs(-3600);
        restored._forceAlgorithmFiniteStateMachineToState(state, stamp);
        EXPECT_EQ(restored.timeRemainingIfAny(), minimum - 3600);
        EXPECT_EQ(delegate.take(), "changed " + name);
        EXPECT_EQ(log.count("Date reference " + stamp.toString(Qt::ISODateWithMs).toStdString() +
                            ", set on force state " + name),
                  1);
        EXPECT_EQ(log.lines().back().message,
                  "Setting a refenrece on already existing one with value: " +
                      std::to_string(qint64(minimum)));
        EXPECT_EQ(log.lines().back().level, log4cplus::WARN_LOG_LEVEL);

        CalibrationAlgorithm late(preferences, clock);
        late._forceAlgorithmFiniteStateMachineToState(state, clock.now().addSecs(-minimum - 1));
        const bool rest = state == turnItOff || state == computerOff;
        EXPECT_EQ(late.algorithmState(), rest ? state : next);
        EXPECT_FALSE(CalibrationAlgorithmProbe::isEnteringAState(late));
        runOn(late, keeping);
        EXPECT_EQ(late.algorithmState(), next);
    }

    // An untimed state has no wait to continue.
    algorithm._forceAlgorithmFiniteStateMachineToState(initCalibration, clock.now());
    EXPECT_FALSE(algorithm.elapsedTimer().isReferenceSet());
    EXPECT_EQ(log.count("No time reference set on force state initCalibration"), 1);
}

} // namespace
