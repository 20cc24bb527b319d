// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/BatteryTimeEstimator.h"

#include "support/FakeDateProvider.h"

#include <gtest/gtest.h>

namespace {

using Reading = BatteryTimeEstimator::Reading;

constexpr double kVolts = 11.4;
constexpr int kUpdateSeconds = 60;

Reading discharging(std::optional<double> watts, double nowWh) {
    return {"Discharging", false, watts, nowWh, 50.0};
}

class BatteryTimeEstimatorTest : public testing::Test {
protected:
    void setTime(qint64 seconds) {
        clock.setNow(QDateTime::fromSecsSinceEpoch(1709283600 + seconds, Qt::UTC));
    }
    BatteryTimeEstimator::Estimate at(qint64 seconds, const Reading& reading) {
        setTime(seconds);
        return estimator.update(reading);
    }

    FakeDateProvider clock;
    BatteryTimeEstimator estimator{clock};
};

// A battery of 3.733 Ah just unplugged, its counter summing the load exactly while the hardware
// reports the momentary current; sampled as the application does: updates once a minute,
// samples in between.
TEST_F(BatteryTimeEstimatorTest, StaysNearTheTrueTimeAndNeverRisesUnderASwitchingLoad) {
    const struct {
        const char* load;
        double lowAmps, highAmps;
        int switchSeconds, phase;
        double tolerance;
    } loads[] = {
        {"constant 1 A", 1.0, 1.0, 23, 0, 0.01},
        {"0.6 and 1.4 A every 23 s", 0.6, 1.4, 23, 0, 0.1},
        {"the same, switching at another moment", 0.6, 1.4, 23, 11, 0.1},
        {"the same, starting low", 0.6, 1.4, 23, 23, 0.1},
    };
    for (const auto& load : loads) {
        BatteryTimeEstimator fresh(clock);
        double ampHours = 3.733;
        qint64 shown = -1;
        for (qint64 second = 0; ampHours > 0.1; ++second) {
            const double amps =
                (second + load.phase) / load.switchSeconds % 2 ? load.lowAmps : load.highAmps;
            if (second % BatteryTimeEstimator::kSampleSeconds == 0) {
                setTime(second);
                const Reading reading = discharging(amps * kVolts, ampHours * kVolts);
                if (second % kUpdateSeconds != 0) {
                    fresh.sample(reading);
                } else {
                    SCOPED_TRACE(testing::Message() << load.load << " at " << second << " s");
                    const qint64 estimate = fresh.update(reading).timeToEmpty;
                    const double truth = ampHours / ((load.lowAmps + load.highAmps) / 2) * 60;
                    if (second < 180)
                        EXPECT_EQ(estimate, -1);
                    else
                        EXPECT_NEAR(estimate / truth, 1.0, load.tolerance);
                    EXPECT_TRUE(shown < 0 || estimate - shown <= 1) << "rose from " << shown;
                    shown = estimate;
                }
            }
            ampHours -= amps / 3600;
        }
    }
}

// The rate is measured from the counter over three minutes; then the time is checked against
// its limits: under a day to empty (the status item wraps a day around), 20 hours to full.
TEST_F(BatteryTimeEstimatorTest, NeverReportsADayOrMore) {
    const struct {
        const char* status;
        double energyNowWh;
        qint64 expected;
    } cases[] = {
        {"Discharging", 11.99, 1439},
        {"Discharging", 12.0, -1},
        {"Charging", 40.0, 20 * 60},
        {"Charging", 39.9, -1},
    };
    for (const auto& test : cases) {
        BatteryTimeEstimator fresh(clock);
        // 0.5 W, by the counter; the hardware says nothing.
        const bool charging = test.status == QLatin1String("Charging");
        const double before = test.energyNowWh + (charging ? -0.025 : 0.025);
        setTime(0);
        fresh.update({test.status, charging, std::nullopt, before, 50.0});
        setTime(180);
        const auto estimate =
            fresh.update({test.status, charging, std::nullopt, test.energyNowWh, 50.0});
        EXPECT_EQ(charging ? estimate.timeToFull : estimate.timeToEmpty, test.expected)
            << test.status << " at " << test.energyNowWh << " Wh";
    }
}

TEST_F(BatteryTimeEstimatorTest, FallsBackOnTheHardwareRateAndStartsAfreshWhenTheSituationChanges) {
    // A counter that stands still for the whole window leaves the hardware's rate to serve.
    for (int second = 0; second <= 300; second += 60)
        at(second, discharging(10.0, 20.0));
    EXPECT_EQ(at(360, discharging(10.0, 20.0)).timeToEmpty, 120);
    // A sample in another situation teaches nothing; the next update starts afresh.
    setTime(370);
    estimator.sample({"Charging", true, 90.0, 20.0, 50.0});
    EXPECT_EQ(at(420, discharging(10.0, 20.0)).timeToEmpty, 120);
    const Reading charging{"Charging", true, 30.0, 20.0, 50.0};
    EXPECT_EQ(at(480, charging).timeToFull, -1);
    // After six minutes without a reading (asleep) nothing learnt before counts.
    EXPECT_EQ(at(900, discharging(10.0, 20.0)).timeToEmpty, -1);
    for (const char* status : {"Not charging", "Full", "Unknown"}) {
        const auto estimate = at(960, {status, true, 0.3, 40.0, 50.0});
        EXPECT_EQ(estimate.timeToFull, 0) << status;
        EXPECT_EQ(estimate.timeToEmpty, 0) << status;
    }
}

} // namespace
