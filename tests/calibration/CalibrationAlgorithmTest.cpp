#include "calibration/CalibrationAlgorithm.h"

#include "battery/BatteryData.h"
#include "calibration/CalibrationAlgorithmDelegate.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::StartsWith;
using State = AlgorithmState;
using Event = CalibrationRelevantEvent;

constexpr double kTwoHours = 7200;
constexpr double kFiveHours = 18000;
constexpr double kOneDay = 86400;

struct Sample {
    bool onMains;
    bool isCharging;
    bool isCharged;
    uint64_t charge;
};

constexpr Sample battery(uint64_t charge) {
    return {false, false, false, charge};
}
constexpr Sample mains(uint64_t charge) {
    return {true, false, false, charge};
}
constexpr Sample mainsCharging(uint64_t charge) {
    return {true, true, false, charge};
}
constexpr Sample batteryCharging(uint64_t charge) {
    return {false, true, false, charge};
}
constexpr Sample batteryCharged(uint64_t charge) {
    return {false, false, true, charge};
}
constexpr Sample mainsCharged() {
    return {true, false, true, 100};
}

// Writes each call as a short line; "set" carries the time left, read during the call.
class RecordingDelegate : public CalibrationAlgorithmDelegate {
public:
    void calibrationAlgorithmStateChanged(CalibrationAlgorithm&, AlgorithmState state) override {
        calls.push_back(std::string("changed ") + algorithmStateName(state));
    }
    void calibrationAlgoritmSetTimeStamp(CalibrationAlgorithm& algorithm) override {
        calls.push_back("set " + std::to_string(qint64(algorithm.timeRemainingIfAny())));
    }
    void calibrationAlgoritmUnsetTimeStamp(CalibrationAlgorithm&) override {
        calls.push_back("unset");
    }
    std::vector<std::string> take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
};

// The registered preferences, with the minimum times open to change.
class TunablePreferences : public AmpraPreferences {
public:
    using AmpraPreferences::AmpraPreferences;
    double minimumTimeInComputerOff() const override {
        return computerOff.value_or(AmpraPreferences::minimumTimeInComputerOff());
    }
    double minimumTimeInCalibrationDone() const override {
        return calibrationDone.value_or(AmpraPreferences::minimumTimeInCalibrationDone());
    }
    std::optional<double> computerOff;
    std::optional<double> calibrationDone;
};

void runOn(CalibrationAlgorithm& algorithm, Sample sample, std::optional<Event> event) {
    BatteryData data;
    data.powerSource =
        sample.onMains ? PowerSourceType::acPowered : PowerSourceType::batteryPowered;
    data.isCharging = sample.isCharging;
    data.isCharged = sample.isCharged;
    data.currentChargePercentage = sample.charge;
    algorithm._runAlgorithmFiniteStateMachineWithData(data, event);
}

class CalibrationAlgorithmTest : public testing::Test {
protected:
    void SetUp() override { algorithm.delegate = &delegate; }

    void run(Sample sample, std::optional<Event> event = std::nullopt) {
        runOn(algorithm, sample, event);
    }
    // The entry lines logged since the last call, cut before the sample.
    std::vector<std::string> takeEntries() {
        std::vector<std::string> entries;
        for (const std::string& message : log.messages())
            if (message.starts_with("Entering "))
                entries.push_back(message.substr(0, message.find(" with data ")));
        log.clear();
        return entries;
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    TunablePreferences preferences{store};
    FakeDateProvider clock;
    CalibrationAlgorithm algorithm{preferences, clock};
    RecordingDelegate delegate;
    LogCapture log{"calibration.algorithm"};
};

TEST_F(CalibrationAlgorithmTest, AWholeCalibrationEndsDoneAndStartsOverADayLater) {
    run(battery(50));
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "changed initCalibration"));

    run(mainsCharging(50)); // plugged in
    EXPECT_EQ(algorithm.algorithmState(), State::charging);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "changed charging"));
    clock.advance(3600);
    run(mainsCharging(90));
    EXPECT_THAT(delegate.take(), IsEmpty());

    run(mainsCharged());
    EXPECT_EQ(algorithm.algorithmState(), State::fullyCharged);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "set 7200", "changed fullyCharged"));
    clock.advance(kTwoHours);
    run(mainsCharged());
    EXPECT_EQ(algorithm.algorithmState(), State::fullyCharged);
    clock.advance(60);
    run(mainsCharged());
    EXPECT_EQ(algorithm.algorithmState(), State::disconnectAdapter);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "changed disconnectAdapter"));

    run(battery(100)); // unplugged
    EXPECT_EQ(algorithm.algorithmState(), State::discharging);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "changed discharging"));
    clock.advance(3 * 3600);
    run(battery(10));
    EXPECT_EQ(algorithm.algorithmState(), State::discharging);
    run(battery(9));
    EXPECT_EQ(algorithm.algorithmState(), State::turnItOff);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "set 18000", "changed turnItOff"));

    clock.advance(600);
    run(battery(9), Event::sleep);
    EXPECT_EQ(algorithm.algorithmState(), State::computerOff);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "set 18000", "changed computerOff"));
    clock.advance(kFiveHours + 60);
    run(battery(12), Event::wakeUp);
    EXPECT_EQ(algorithm.algorithmState(), State::calibrationDone);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "set 86400", "changed calibrationDone"));

    clock.advance(kOneDay);
    run(battery(30));
    EXPECT_EQ(algorithm.algorithmState(), State::calibrationDone);
    clock.advance(60);
    run(battery(30));
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "changed initCalibration"));
    EXPECT_EQ(algorithm.timeRemainingIfAny(), 0);

    EXPECT_THAT(takeEntries(),
                ElementsAre("Entering CalibrationInit", "Entering Charging",
                            "Entering Fully Charged", "Entering Disconnect Adapter",
                            "Entering Discharging", "Entering Turn It Off", "Entering Computer Off",
                            "Entering Calibration Done", "Entering CalibrationInit"));
}

TEST_F(CalibrationAlgorithmTest, AFreshMachineLogsOneExtraPassAndTheEntryOfTheNewState) {
    run(battery(50));
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
    EXPECT_FALSE(algorithm.isEnteringAState);
    EXPECT_THAT(log.messages(), ElementsAre("Algorithm LoopCounter: 2",
                                            "Entering CalibrationInit with data [isCharging:false, "
                                            "isCharged:false, currentChargePercentage:50, "
                                            "acPowered:false]"));
    for (const LogCapture::Line& line : log.lines())
        EXPECT_EQ(line.level, log4cplus::INFO_LOG_LEVEL);
    EXPECT_THAT(log.lines()[0].function, HasSubstr("::_runAlgorithmFiniteStateMachineWithData("));
}

TEST_F(CalibrationAlgorithmTest, AFullSampleWalksFromInitToFullyChargedInOneRun) {
    run(battery(50));
    delegate.take();
    log.clear();
    run(mainsCharged());
    EXPECT_EQ(algorithm.algorithmState(), State::fullyCharged);
    EXPECT_EQ(algorithm.timeRemainingIfAny(), kTwoHours);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "unset", "set 7200", "changed fullyCharged"));
    EXPECT_EQ(log.count("Algorithm LoopCounter: 2"), 1);
    EXPECT_EQ(log.count("Algorithm LoopCounter: 3"), 1);
    EXPECT_EQ(log.count("Algorithm LoopCounter: 4"), 0);
}

TEST_F(CalibrationAlgorithmTest, TheEventsAreNamedInTheEntryLines) {
    const std::string sample = " with data [isCharging:false, isCharged:false, "
                               "currentChargePercentage:9, acPowered:false] and event: ";
    algorithm._forceAlgorithmFiniteStateMachineToState(State::discharging, std::nullopt);
    log.clear();
    run(battery(9), Event::wakeUp);
    run(battery(9), Event::sleep);
    algorithm._forceAlgorithmFiniteStateMachineToState(State::discharging, std::nullopt);
    run(battery(9));
    run(battery(9), Event::powerOff);
    EXPECT_EQ(log.count("Entering Turn It Off" + sample + "WakeUp "), 1);
    EXPECT_EQ(log.count("Entering Computer Off" + sample + "Sleep"), 1);
    EXPECT_EQ(log.count("Entering Turn It Off" + sample + "No Event "), 1);
    EXPECT_EQ(log.count("Entering Computer Off" + sample + "powerOff"), 1);
}

TEST_F(CalibrationAlgorithmTest, SleepingRestartsTheFiveHoursFromTheEvent) {
    algorithm._forceAlgorithmFiniteStateMachineToState(State::discharging, std::nullopt);
    run(battery(9));
    clock.advance(3 * 3600);
    EXPECT_EQ(algorithm.timeRemainingIfAny(), kFiveHours - 3 * 3600);
    delegate.take();
    run(battery(9), Event::sleep);
    EXPECT_EQ(algorithm.algorithmState(), State::computerOff);
    EXPECT_EQ(algorithm.timeRemainingIfAny(), kFiveHours);
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "set 18000", "changed computerOff"));
}

TEST_F(CalibrationAlgorithmTest, AnExistingReferenceIsKeptAndClearingAlwaysTellsTheDelegate) {
    algorithm.setTimeReference(60);
    algorithm.setTimeReference(120.5);
    EXPECT_EQ(algorithm.timeRemainingIfAny(), 60);
    EXPECT_THAT(delegate.take(), ElementsAre("set 60"));
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].level, log4cplus::WARN_LOG_LEVEL);
    EXPECT_EQ(log.lines()[0].message,
              "Setting a refenrece on already existing one with value: 120.5");

    algorithm.clearTimeReference();
    algorithm.clearTimeReference();
    EXPECT_FALSE(algorithm.elapsedTimer().isReferenceSet());
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "unset"));
}

TEST_F(CalibrationAlgorithmTest, WithoutADelegateTheMachineRunsTheSame) {
    algorithm.delegate = nullptr;
    run(battery(50));
    run(mainsCharged());
    EXPECT_EQ(algorithm.algorithmState(), State::fullyCharged);
    EXPECT_EQ(algorithm.timeRemainingIfAny(), kTwoHours);
    EXPECT_THAT(delegate.calls, IsEmpty());
}

TEST_F(CalibrationAlgorithmTest, ARunStopsAfterSixPassesAndTheNextOneEntersTheLastState) {
    preferences.computerOff = -1; // references reached the moment they are set
    preferences.calibrationDone = -1;
    run(battery(50));
    run(mainsCharged());
    clock.advance(kTwoHours + 1);
    log.clear();
    delegate.take();

    run(battery(5), Event::sleep);
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
    EXPECT_TRUE(algorithm.isEnteringAState);
    for (int pass = 2; pass <= 6; ++pass)
        EXPECT_EQ(log.count("Algorithm LoopCounter: " + std::to_string(pass)), 1);
    EXPECT_EQ(log.count("Algorithm LoopCounter: 7"), 0);
    EXPECT_THAT(takeEntries(), ElementsAre("Entering Disconnect Adapter", "Entering Discharging",
                                           "Entering Turn It Off", "Entering Computer Off",
                                           "Entering Calibration Done"));
    EXPECT_THAT(delegate.take(), ElementsAre("unset", "unset", "unset", "set 0", "unset", "set 0",
                                             "unset", "set 0", "unset", "changed initCalibration"));

    run(battery(5));
    EXPECT_FALSE(algorithm.isEnteringAState);
    EXPECT_THAT(takeEntries(), ElementsAre("Entering CalibrationInit"));
    EXPECT_THAT(delegate.take(), IsEmpty());
}

// One run from a state entered `secondsInState` ago.
struct Transition {
    const char* name;
    State from;
    double secondsInState;
    Sample sample;
    std::optional<Event> event;
    State expected;
};

class CalibrationTransitionTest : public CalibrationAlgorithmTest,
                                  public testing::WithParamInterface<Transition> {};

TEST_P(CalibrationTransitionTest, EndsTheRunInTheExpectedState) {
    const Transition& transition = GetParam();
    algorithm._forceAlgorithmFiniteStateMachineToState(transition.from, std::nullopt);
    ASSERT_EQ(algorithm.algorithmState(), transition.from);
    clock.advance(transition.secondsInState);
    run(transition.sample, transition.event);
    EXPECT_EQ(algorithm.algorithmState(), transition.expected);
    EXPECT_FALSE(algorithm.isEnteringAState);
}

std::vector<Transition> transitions() {
    using enum AlgorithmState;
    const std::optional<Event> noEvent;
    return {
        {"OffStartsOnTheNextRun", calibrationOff, 0, battery(50), noEvent, initCalibration},
        {"OffGoesOnToCharging", calibrationOff, 0, mainsCharging(50), noEvent, charging},
        {"OffGoesOnToFull", calibrationOff, 0, mainsCharged(), noEvent, fullyCharged},
        {"InitWaitsOnBattery", initCalibration, 0, battery(50), noEvent, initCalibration},
        {"InitWaitsOnIdleMains", initCalibration, 0, mains(50), noEvent, initCalibration},
        {"InitNeedsMains", initCalibration, 0, batteryCharging(50), noEvent, initCalibration},
        {"InitCharges", initCalibration, 0, mainsCharging(50), noEvent, charging},
        {"ChargingGoesOn", charging, 0, mainsCharging(60), noEvent, charging},
        {"ChargingBecomesFull", charging, 0, mainsCharged(), noEvent, fullyCharged},
        {"ChargingStops", charging, 0, mains(60), noEvent, initCalibration},
        {"ChargingOnBatteryStays", charging, 0, batteryCharging(60), noEvent, charging},
        {"ChargedOnBatteryRestarts", charging, 0, batteryCharged(100), noEvent, initCalibration},
        {"FullWaits", fullyCharged, 3600, mainsCharged(), noEvent, fullyCharged},
        {"FullWaitsAtExactlyTwoHours", fullyCharged, kTwoHours, mainsCharged(), noEvent,
         fullyCharged},
        {"FullAsksToUnplug", fullyCharged, kTwoHours + 1, mainsCharged(), noEvent,
         disconnectAdapter},
        {"FullUnpluggedEarlyRestarts", fullyCharged, 3600, battery(100), noEvent, initCalibration},
        {"FullNoLongerChargedRecharges", fullyCharged, 3600, mainsCharging(99), noEvent, charging},
        {"FullUnpluggedLateDischarges", fullyCharged, kTwoHours + 1, battery(100), noEvent,
         discharging},
        {"DisconnectWaitsOnMains", disconnectAdapter, 0, mainsCharged(), noEvent,
         disconnectAdapter},
        {"DisconnectUnplugged", disconnectAdapter, 0, battery(100), noEvent, discharging},
        {"DisconnectUnpluggedLow", disconnectAdapter, 0, battery(5), noEvent, turnItOff},
        {"DischargingAtTenWaits", discharging, 0, battery(10), noEvent, discharging},
        {"DischargingUnderTen", discharging, 0, battery(9), noEvent, turnItOff},
        {"DischargingPlugged", discharging, 0, mains(9), noEvent, initCalibration},
        {"DischargingPluggedCharging", discharging, 0, mainsCharging(9), noEvent, charging},
        {"DischargingLowAndAsleep", discharging, 0, battery(9), Event::sleep, computerOff},
        {"TurnItOffSleep", turnItOff, 0, battery(9), Event::sleep, computerOff},
        {"TurnItOffPowerOff", turnItOff, 0, battery(9), Event::powerOff, computerOff},
        {"TurnItOffSleepWhileCharging", turnItOff, 0, mainsCharging(9), Event::sleep, computerOff},
        {"TurnItOffWaits", turnItOff, 3600, battery(9), noEvent, turnItOff},
        {"TurnItOffWaitsAtExactlyFiveHours", turnItOff, kFiveHours, battery(9), noEvent, turnItOff},
        {"TurnItOffDone", turnItOff, kFiveHours + 1, battery(9), noEvent, calibrationDone},
        {"TurnItOffDoneOnWakeUp", turnItOff, kFiveHours + 1, battery(9), Event::wakeUp,
         calibrationDone},
        {"TurnItOffDoneWhileCharging", turnItOff, kFiveHours + 1, mainsCharging(9), noEvent,
         calibrationDone},
        {"TurnItOffAtTenWaits", turnItOff, kFiveHours + 1, battery(10), noEvent, turnItOff},
        {"TurnItOffCharging", turnItOff, 3600, mainsCharging(9), noEvent, charging},
        {"TurnItOffChargedOnBattery", turnItOff, 3600, batteryCharged(9), noEvent, initCalibration},
        {"WakeOnMainsDone", computerOff, kFiveHours + 1, mains(14), Event::wakeUp, calibrationDone},
        {"WakeOnMainsAtFifteen", computerOff, kFiveHours + 1, mains(15), Event::wakeUp,
         initCalibration},
        {"WakeOnMainsEarly", computerOff, 3600, mains(5), Event::wakeUp, initCalibration},
        {"WakeOnMainsAtExactlyFiveHours", computerOff, kFiveHours, mains(14), Event::wakeUp,
         initCalibration},
        {"WakeOnMainsCharging", computerOff, 3600, mainsCharging(5), Event::wakeUp, charging},
        {"WakeOnBatteryDone", computerOff, kFiveHours + 1, battery(14), Event::wakeUp,
         calibrationDone},
        {"WakeOnBatteryAtFifteen", computerOff, kFiveHours + 1, battery(15), Event::wakeUp,
         computerOff},
        {"WakeOnBatteryEarly", computerOff, 3600, battery(5), Event::wakeUp, computerOff},
        {"OffWithoutEventDone", computerOff, kFiveHours + 1, battery(14), noEvent, calibrationDone},
        {"OffWithoutEventOnMainsWaits", computerOff, 3600, mainsCharging(14), noEvent, computerOff},
        {"OffSleepsAgain", computerOff, 3600, battery(5), Event::sleep, computerOff},
        {"AfterWakeUpStays", afterWakeUp, kOneDay, mainsCharged(), Event::wakeUp, afterWakeUp},
        {"DoneWaitsADay", calibrationDone, kOneDay, mainsCharging(50), noEvent, calibrationDone},
        {"DoneStartsOver", calibrationDone, kOneDay + 1, battery(50), noEvent, initCalibration},
        {"DoneStartsOverCharging", calibrationDone, kOneDay + 1, mainsCharging(50), noEvent,
         charging},
    };
}

INSTANTIATE_TEST_SUITE_P(Table, CalibrationTransitionTest, testing::ValuesIn(transitions()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalibrationAlgorithmTest, ForcingATimedStateContinuesTheWaitFromItsTimeStamp) {
    struct Case {
        State state;
        double minimum;
        Sample keeping;
        State next;
        const char* entry;
    };
    for (const Case& c : {Case{State::fullyCharged, kTwoHours, mainsCharged(),
                               State::disconnectAdapter, "Entering Fully Charged"},
                          Case{State::turnItOff, kFiveHours, battery(9), State::calibrationDone,
                               "Entering Turn It Off"},
                          Case{State::computerOff, kFiveHours, battery(14), State::calibrationDone,
                               "Entering Computer Off"},
                          Case{State::calibrationDone, kOneDay, battery(50), State::initCalibration,
                               "Entering Calibration Done"}}) {
        const std::string name = algorithmStateName(c.state);
        SCOPED_TRACE(name);
        CalibrationAlgorithm restored(preferences, clock);
        restored.delegate = &delegate;
        log.clear();
        const QDateTime stamp = clock.now().addSecs(-3600);
        restored._forceAlgorithmFiniteStateMachineToState(c.state, stamp);

        EXPECT_EQ(restored.algorithmState(), c.state);
        EXPECT_EQ(restored.timeRemainingIfAny(), c.minimum - 3600);
        EXPECT_THAT(delegate.take(), ElementsAre("changed " + name));
        std::vector<std::string> messages = log.messages();
        if (c.state != State::fullyCharged) { // its synthetic sample needs no change
            EXPECT_EQ(messages.front(), "No change make on force state " + name);
            messages.erase(messages.begin());
        }
        EXPECT_THAT(messages,
                    ElementsAre("Date reference " +
                                    stamp.toString(Qt::ISODateWithMs).toStdString() +
                                    ", set on force state " + name,
                                StartsWith(std::string(c.entry) + " with data "),
                                "Setting a refenrece on already existing one with value: " +
                                    std::to_string(qint64(c.minimum))));
        EXPECT_EQ(log.lines().back().level, log4cplus::WARN_LOG_LEVEL);

        clock.advance(c.minimum - 3600);
        runOn(restored, c.keeping, std::nullopt);
        EXPECT_EQ(restored.algorithmState(), c.state);
        clock.advance(1);
        runOn(restored, c.keeping, std::nullopt);
        EXPECT_EQ(restored.algorithmState(), c.next);
        delegate.take();
    }
}

TEST_F(CalibrationAlgorithmTest, ForcingATimedStateWithAPastReferenceMovesOnAtOnce) {
    struct Case {
        State state;
        double age;
        State expected;
        std::vector<std::string> calls;
    };
    for (const Case& c : {Case{State::fullyCharged,
                               3 * 3600,
                               State::disconnectAdapter,
                               {"unset", "changed disconnectAdapter"}},
                          Case{State::turnItOff,
                               6 * 3600,
                               State::calibrationDone,
                               {"unset", "set 86400", "changed calibrationDone"}},
                          Case{State::computerOff,
                               6 * 3600,
                               State::calibrationDone,
                               {"unset", "set 86400", "changed calibrationDone"}},
                          Case{State::calibrationDone,
                               25 * 3600,
                               State::initCalibration,
                               {"unset", "changed initCalibration"}}}) {
        SCOPED_TRACE(algorithmStateName(c.state));
        CalibrationAlgorithm restored(preferences, clock);
        restored.delegate = &delegate;
        restored._forceAlgorithmFiniteStateMachineToState(c.state,
                                                          clock.now().addSecs(qint64(-c.age)));
        EXPECT_EQ(restored.algorithmState(), c.expected);
        EXPECT_FALSE(restored.isEnteringAState);
        EXPECT_EQ(delegate.take(), c.calls);
    }
}

TEST_F(CalibrationAlgorithmTest, ForcingWithoutTimeStampKeepsEveryStateAndTimesItFromNow) {
    struct Case {
        State state;
        bool samplePrepared;
        std::optional<double> reference;
    };
    for (const Case& c :
         {Case{State::calibrationOff, false, {}}, Case{State::initCalibration, false, {}},
          Case{State::charging, true, {}}, Case{State::fullyCharged, true, kTwoHours},
          Case{State::disconnectAdapter, true, {}}, Case{State::discharging, true, {}},
          Case{State::turnItOff, false, kFiveHours}, Case{State::computerOff, false, kFiveHours},
          Case{State::afterWakeUp, false, {}}, Case{State::calibrationDone, false, kOneDay}}) {
        const std::string name = algorithmStateName(c.state);
        SCOPED_TRACE(name);
        CalibrationAlgorithm restored(preferences, clock);
        restored.delegate = &delegate;
        log.clear();
        restored._forceAlgorithmFiniteStateMachineToState(c.state, std::nullopt);
        EXPECT_EQ(restored.algorithmState(), c.state);
        EXPECT_FALSE(restored.isEnteringAState);
        EXPECT_EQ(log.count("No change make on force state " + name), c.samplePrepared ? 0 : 1);
        EXPECT_EQ(takeEntries().size(), 1u);
        std::vector<std::string> calls;
        if (c.reference)
            calls.push_back("set " + std::to_string(qint64(*c.reference)));
        if (c.state != State::calibrationOff)
            calls.push_back("changed " + name);
        EXPECT_EQ(delegate.take(), calls);
        EXPECT_EQ(restored.timeRemainingIfAny(), c.reference.value_or(0));
    }
}

TEST_F(CalibrationAlgorithmTest, AnUntimedStateIgnoresItsTimeStamp) {
    algorithm._forceAlgorithmFiniteStateMachineToState(State::initCalibration, clock.now());
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
    EXPECT_FALSE(algorithm.elapsedTimer().isReferenceSet());
    EXPECT_EQ(log.count("No time reference set on force state initCalibration"), 1);
    const auto error = std::find_if(log.lines().begin(), log.lines().end(), [](const auto& line) {
        return line.level == log4cplus::ERROR_LOG_LEVEL;
    });
    ASSERT_NE(error, log.lines().end());
    EXPECT_EQ(error->message, "No time reference set on force state initCalibration");
}

TEST_F(CalibrationAlgorithmTest, AForcedOffStateStartsOnTheFollowingRun) {
    algorithm._forceAlgorithmFiniteStateMachineToState(State::calibrationOff, std::nullopt);
    EXPECT_EQ(algorithm.algorithmState(), State::calibrationOff);
    EXPECT_EQ(log.count("Algorithm LoopCounter: 2"), 0);
    run(battery(50));
    EXPECT_EQ(algorithm.algorithmState(), State::initCalibration);
}

TEST(AlgorithmStateTest, RawValuesAreTheStoredNumbers) {
    for (qint64 raw = 0; raw <= 9; ++raw)
        EXPECT_EQ(algorithmStateFromRawValue(raw), AlgorithmState(raw));
    EXPECT_EQ(algorithmStateFromRawValue(3), State::fullyCharged);
    EXPECT_EQ(algorithmStateFromRawValue(9), State::calibrationDone);
    for (qint64 raw : {-1, 10, 12})
        EXPECT_FALSE(algorithmStateFromRawValue(raw));
    EXPECT_STREQ(algorithmStateName(State::disconnectAdapter), "disconnectAdapter");
}

} // namespace
