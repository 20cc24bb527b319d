// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "calibration/ElapsedTimeProvider.h"
#include "calibration/QtTimerProvider.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/ManualTimerProvider.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Where the state machine's waits do not take it: no reference, and unusable input.
TEST(ElapsedTimeProviderTest, UnusableInputLeavesNoReferenceAndSaysSo) {
    LogCapture log("calibration.elapsedTimeProvider");
    FakeDateProvider clock;
    ElapsedTimeProvider elapsed{clock};
    EXPECT_FALSE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0);
    elapsed.setReferenceForInterval(60);
    elapsed.setReferenceForInterval(std::nan(""));
    EXPECT_FALSE(elapsed.isReferenceSet());
    elapsed.setReferenceForInterval(60);
    elapsed.setReferenceForInterval(60, QDateTime());
    EXPECT_FALSE(elapsed.isReferenceSet());
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[0].level, log4cplus::WARN_LOG_LEVEL);

    // Out of range intervals mean "never" and "long ago".
    elapsed.setReferenceForInterval(std::numeric_limits<double>::infinity());
    EXPECT_FALSE(elapsed.isReferenceReached());
    EXPECT_GT(elapsed.timeLeftToReachReference(), 1e11);
    elapsed.setReferenceForInterval(-1e300);
    EXPECT_TRUE(elapsed.isReferenceReached());
}

// The engine's tests drive a manual timer, so both keep the same rules: the first timer stays, it
// may replace itself from its own callback, and nothing fires once it is stopped.
void expectTimerRules(TimerProvider& timer, const std::function<void()>& tick) {
    int first = 0, second = 0;
    timer.startTimerForObject([&] { ++first; }, 60);
    timer.startTimerForObject([&] { ++second; }, 5);
    EXPECT_TRUE(timer.isTimerOn());
    tick();
    tick();
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 0);
    timer.stopTimer();
    timer.stopTimer();
    EXPECT_FALSE(timer.isTimerOn());
    timer.startTimerForObject(
        [&] {
            timer.stopTimer();
            timer.startTimerForObject([&] { ++second; }, 0.5);
        },
        60);
    tick();
    tick();
    timer.stopTimer();
    tick();
    EXPECT_EQ(second, 1);
}

TEST(TimerProviderTest, BothTimersKeepTheSameRulesAndTheRealOneRefusesWhatItCannotKeep) {
    QtTimerProvider real;
    QTimer* qtTimer = real.findChild<QTimer*>();
    expectTimerRules(real, [&] {
        QTimerEvent event(qtTimer->timerId()); // as the event loop delivers it while active
        if (qtTimer->isActive())
            QCoreApplication::sendEvent(qtTimer, &event);
    });
    EXPECT_EQ(qtTimer->interval(), 500);
    EXPECT_FALSE(qtTimer->isSingleShot());
    ManualTimerProvider manual;
    expectTimerRules(manual, [&] { manual.fire(); });
    EXPECT_EQ(manual.period, 0.5);

    // Periods the real timer cannot keep; it is off, so a refused one leaves it off.
    LogCapture log("calibration.timerProvider");
    real.stopTimer();
    for (double seconds : {0.0, -60.0, 0.0004, 1e10, std::nan("")}) {
        real.startTimerForObject([] {}, seconds);
        EXPECT_FALSE(real.isTimerOn()) << seconds;
    }
    EXPECT_EQ(log.lines().size(), 5u);
    EXPECT_EQ(log.lines()[0].message, "Refusing a timer with a period of 0 seconds");
}

} // namespace
