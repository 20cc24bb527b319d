// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/BatteryTimeEstimator.h"

#include "support/FakeDateProvider.h"

#include <gtest/gtest.h>

namespace {

using Reading = BatteryTimeEstimator::Reading;

Reading discharging(std::optional<double> watts, double nowWh) {
    return {"Discharging", false, watts, nowWh, 50.0};
}

class BatteryTimeEstimatorTest : public testing::Test {
protected:
    BatteryTimeEstimator::Estimate at(qint64 seconds, const Reading& reading) {
        clock.setNow(QDateTime::fromSecsSinceEpoch(1709283600 + seconds, Qt::UTC));
        return estimator.update(reading);
    }

    FakeDateProvider clock;
    BatteryTimeEstimator estimator{clock};
};

TEST_F(BatteryTimeEstimatorTest, SmoothsTheHardwareRateOverAFewMinutes) {
    EXPECT_EQ(at(0, discharging(10.0, 20.0)).timeToEmpty, 120);
    // A jump of the load to 20 W moves the rate a quarter of the way in a minute.
    const qint64 afterOneMinute = at(60, discharging(20.0, 20.0)).timeToEmpty;
    EXPECT_TRUE(afterOneMinute > 90 && afterOneMinute < 100) << afterOneMinute;
    for (int minute = 2; minute < 15; ++minute)
        at(minute * 60, discharging(20.0, 20.0));
    EXPECT_EQ(at(15 * 60, discharging(20.0, 20.0)).timeToEmpty, 60);
    EXPECT_EQ(at(15 * 60 + 1, discharging(25.0, 20.0)).timeToEmpty, 60); // a second barely counts
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
    // After six minutes without a reading (asleep) the old rate is forgotten, the new one taken
    // whole.
    EXPECT_EQ(at(360, discharging(20.0, 20.0)).timeToEmpty, 60);
    Reading charging{"Charging", true, 30.0, 20.0, 50.0};
    const auto estimate = at(420, charging);
    EXPECT_EQ(estimate.timeToFull, 60);
    EXPECT_EQ(estimate.timeToEmpty, 0);
    // The mains event arrives before the status changes: a change of either starts afresh.
    charging.onMains = false;
    charging.rateWatts = 15.0;
    EXPECT_EQ(at(460, charging).timeToFull, 120);
}

TEST_F(BatteryTimeEstimatorTest, GivesNoTimeAtAChargeLimitOrWhenFullOrTooLongToMeanAnything) {
    for (const char* status : {"Not charging", "Full", "Unknown"}) {
        const auto estimate = at(0, {status, true, 0.3, 40.0, 50.0});
        EXPECT_EQ(estimate.timeToFull, 0) << status;
        EXPECT_EQ(estimate.timeToEmpty, 0) << status;
    }
    // Charging without a known full energy cannot be estimated.
    EXPECT_EQ(at(10, {"Charging", true, 20.0, 40.0, std::nullopt}).timeToFull, -1);
    // At most 240 hours to empty and 20 hours to full; longer is still estimating.
    EXPECT_EQ(at(20, discharging(0.2, 48.0)).timeToEmpty, 240 * 60);
    EXPECT_EQ(at(20, discharging(0.2, 48.1)).timeToEmpty, -1);
    EXPECT_EQ(at(30, {"Charging", true, 0.5, 40.0, 50.0}).timeToFull, 20 * 60);
    EXPECT_EQ(at(30, {"Charging", true, 0.5, 39.9, 50.0}).timeToFull, -1);
}

} // namespace
