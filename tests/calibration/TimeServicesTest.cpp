#include "calibration/ElapsedTimeProvider.h"
#include "calibration/QtTimerProvider.h"
#include "calibration/SystemDateProvider.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/ManualTimerProvider.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class ElapsedTimeProviderTest : public testing::Test {
protected:
    FakeDateProvider clock;
    ElapsedTimeProvider elapsed{clock};
};

TEST_F(ElapsedTimeProviderTest, WithoutAReferenceNothingIsLeftAndNothingIsReached) {
    EXPECT_FALSE(elapsed.isReferenceSet());
    EXPECT_FALSE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0);
}

TEST_F(ElapsedTimeProviderTest, AReferenceIsReachedOnlyStrictlyAfterItsInstant) {
    elapsed.setReferenceForInterval(7200);
    EXPECT_TRUE(elapsed.isReferenceSet());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 7200);

    clock.advance(7199.5);
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0.5);
    clock.advance(0.5);
    EXPECT_FALSE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0);
    clock.advance(0.001);
    EXPECT_TRUE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0);

    elapsed.clearReference();
    EXPECT_FALSE(elapsed.isReferenceSet());
    EXPECT_FALSE(elapsed.isReferenceReached());
}

TEST_F(ElapsedTimeProviderTest, AReferenceSinceAnEarlierDateCountsFromThatDate) {
    elapsed.setReferenceForInterval(0, clock.now().addSecs(-1));
    EXPECT_TRUE(elapsed.isReferenceReached());

    elapsed.setReferenceForInterval(7200, clock.now().addSecs(-3600));
    EXPECT_FALSE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 3600);

    elapsed.setReferenceForInterval(18000, clock.now().addSecs(-18001));
    EXPECT_TRUE(elapsed.isReferenceReached());
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 0);

    elapsed.setReferenceForInterval(60); // replaces the reached one
    EXPECT_EQ(elapsed.timeLeftToReachReference(), 60);
}

TEST_F(ElapsedTimeProviderTest, UnusableInputLeavesNoReferenceAndSaysSo) {
    LogCapture log("calibration.elapsedTimeProvider");
    elapsed.setReferenceForInterval(60);
    elapsed.setReferenceForInterval(std::nan(""));
    EXPECT_FALSE(elapsed.isReferenceSet());
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

TEST(SystemDateProviderTest, ReadsTheWallClockInUtcOnEveryCall) {
    SystemDateProvider provider;
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QDateTime now = provider.now();
    EXPECT_LE(before, now);
    EXPECT_LE(now, QDateTime::currentDateTimeUtc());
    EXPECT_EQ(now.timeSpec(), Qt::UTC);
}

class QtTimerProviderTest : public testing::Test {
protected:
    QTimer* timer() { return provider.findChild<QTimer*>(); }
    // Delivers the tick the event loop would deliver once the period has passed.
    void tick() {
        QTimerEvent event(timer()->timerId());
        QCoreApplication::sendEvent(timer(), &event);
    }

    QtTimerProvider provider;
    int first = 0;
    int second = 0;
};

TEST_F(QtTimerProviderTest, RepeatsAtThePeriodOfTheFirstStartUntilStopped) {
    EXPECT_FALSE(provider.isTimerOn());
    provider.startTimerForObject([this] { ++first; }, 60);
    provider.startTimerForObject([this] { ++second; }, 5);
    ASSERT_TRUE(provider.isTimerOn());
    EXPECT_EQ(timer()->interval(), 60000);
    EXPECT_FALSE(timer()->isSingleShot());
    tick();
    tick();
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 0);

    provider.stopTimer();
    provider.stopTimer();
    EXPECT_FALSE(provider.isTimerOn());
    EXPECT_FALSE(timer()->isActive());

    provider.startTimerForObject([this] { ++second; }, 0.5);
    EXPECT_EQ(timer()->interval(), 500);
    tick();
    EXPECT_EQ(second, 1);
}

TEST_F(QtTimerProviderTest, TheCallbackMayRestartTheTimerWithAnotherOne) {
    provider.startTimerForObject(
        [this] {
            provider.stopTimer();
            provider.startTimerForObject([this] { ++second; }, 1);
            ++first;
        },
        60);
    tick();
    tick();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(timer()->interval(), 1000);
}

TEST_F(QtTimerProviderTest, RefusesPeriodsItCannotKeep) {
    LogCapture log("calibration.timerProvider");
    for (double seconds : {0.0, -60.0, 0.0004, 1e10, std::nan("")}) {
        provider.startTimerForObject([this] { ++first; }, seconds);
        EXPECT_FALSE(provider.isTimerOn()) << seconds;
    }
    EXPECT_EQ(log.lines().size(), 5u);
    EXPECT_EQ(log.lines()[0].message, "Refusing a timer with a period of 0 seconds");
}

// The engine's tests rely on the manual timer keeping the same rules as the real one.
TEST(ManualTimerProviderTest, KeepsTheFirstTimerAndFiresOnlyWhileOn) {
    ManualTimerProvider timer;
    int first = 0;
    int second = 0;
    timer.fire();
    timer.startTimerForObject([&] { ++first; }, 60);
    timer.startTimerForObject([&] { ++second; }, 5);
    timer.fire();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(timer.period(), 60);
    EXPECT_EQ(timer.startRequests, 2);
    timer.stopTimer();
    timer.fire();
    EXPECT_FALSE(timer.isTimerOn());
    EXPECT_EQ(first, 1);
}

} // namespace
