#include "platform/linux/BatteryTimeEstimator.h"

#include <gtest/gtest.h>

namespace {

class BatteryTimeEstimatorTest : public testing::Test {
protected:
    BatteryTimeEstimator::Estimate at(qint64 seconds,
                                      const BatteryTimeEstimator::Reading& reading) {
        _now = _start.addSecs(seconds);
        return _estimator.update(reading);
    }

    static BatteryTimeEstimator::Reading discharging(std::optional<double> watts, double nowWh) {
        return {QStringLiteral("Discharging"), false, watts, nowWh, 50.0};
    }

    const QDateTime _start = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
    QDateTime _now = _start;
    BatteryTimeEstimator _estimator{[this] {
        return _now;
    }};
};

TEST_F(BatteryTimeEstimatorTest, SmoothsTheHardwareRateOverAFewMinutes) {
    EXPECT_EQ(at(0, discharging(10.0, 20.0)).timeToEmpty, 120);
    // A jump of the load to 20 W moves the rate a quarter of the way in a minute.
    const qint64 afterOneMinute = at(60, discharging(20.0, 20.0)).timeToEmpty;
    EXPECT_GT(afterOneMinute, 90);
    EXPECT_LT(afterOneMinute, 100);
    qint64 later = afterOneMinute;
    for (int minute = 2; minute <= 15; ++minute)
        later = at(minute * 60, discharging(20.0, 20.0)).timeToEmpty;
    EXPECT_EQ(later, 60);
    // A reading a second later barely moves it.
    EXPECT_EQ(at(15 * 60 + 1, discharging(25.0, 20.0)).timeToEmpty, 60);
}

TEST_F(BatteryTimeEstimatorTest, MeasuresTheRateFromTheChargeWhenTheHardwareGivesNone) {
    EXPECT_EQ(at(0, discharging(std::nullopt, 30.0)).timeToEmpty, -1);
    // An idle counter (0 W) or an absurd one (900 W) counts as no rate.
    EXPECT_EQ(at(60, discharging(0.0, 30.0)).timeToEmpty, -1);
    EXPECT_EQ(at(90, discharging(900.0, 29.9)).timeToEmpty, -1);
    // 0.5 Wh in two minutes is 15 W; 29.5 Wh last 118 minutes at that rate.
    EXPECT_EQ(at(120, discharging(std::nullopt, 29.5)).timeToEmpty, 118);
    // Within two minutes of that measurement there is nothing new to learn.
    EXPECT_EQ(at(180, discharging(std::nullopt, 29.0)).timeToEmpty, 116);
}

TEST_F(BatteryTimeEstimatorTest, StartsAfreshWhenTheSituationChanges) {
    at(0, discharging(10.0, 20.0));
    // Back from a sleep of an hour: the old rate is forgotten and the new one taken whole.
    EXPECT_EQ(at(3600, discharging(20.0, 20.0)).timeToEmpty, 60);

    // Plugged in: the battery charges at a rate of its own.
    BatteryTimeEstimator::Reading charging{QStringLiteral("Charging"), true, 30.0, 20.0, 50.0};
    EXPECT_EQ(at(3660, charging).timeToFull, 60);
    EXPECT_EQ(at(3660, charging).timeToEmpty, 0);
    // The mains event arrives before the status changes: a change of either starts afresh.
    BatteryTimeEstimator::Reading unpluggedStillCharging = charging;
    unpluggedStillCharging.onMains = false;
    unpluggedStillCharging.rateWatts = 15.0;
    EXPECT_EQ(at(3700, unpluggedStillCharging).timeToFull, 120);
}

TEST_F(BatteryTimeEstimatorTest, GivesNoTimeToFullAtAChargeLimitOrWhenFull) {
    for (const char* status : {"Not charging", "Full", "Unknown"}) {
        const auto estimate = at(0, {QString::fromLatin1(status), true, 0.3, 40.0, 50.0});
        EXPECT_EQ(estimate.timeToFull, 0) << status;
        EXPECT_EQ(estimate.timeToEmpty, 0) << status;
    }
    // Charging without a known full energy cannot be estimated.
    EXPECT_EQ(at(10, {QStringLiteral("Charging"), true, 20.0, 40.0, std::nullopt}).timeToFull, -1);
}

} // namespace
