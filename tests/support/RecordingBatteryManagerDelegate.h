// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/BatteryData.h"
#include "calibration/BatteryManagerDelegate.h"
#include "calibration/CalibrationData.h"
#include "calibration/DateProvider.h"

#include <string>
#include <utility>
#include <vector>

// Keeps every record and notice the battery manager hands out, stamped with the clock.
class RecordingBatteryManagerDelegate : public BatteryManagerDelegate {
public:
    // The sample's fields are copied: it changes in place.
    struct Record {
        QDateTime date;
        CalibrationState calibrationState;
        AlgorithmState algorithmState;
        std::optional<QDateTime> nextCalibrationDate;
        double timeRemainingInRunningTimer;
        uint64_t charge, capacity, cycleCount;
        PowerSourceType powerSource;
        bool isCharged, noBattery;
        CalibrationData::ChargeLimitLift chargeLimitLift;
        bool operator==(const Record&) const = default;
    };
    explicit RecordingBatteryManagerDelegate(const DateProvider& clock) : _clock(clock) {}

    void batteryManagerDidFinishRunningCalibrationAlgorithWithData(
        BatteryManager&, const CalibrationData& data) override {
        const BatteryData& sample = data.batteryData();
        records.push_back({_clock.now(), data.calibrationState, data.calibrationAlgorithmState,
                           data.nextCalibrationDate, data.timeRemainingInRunningTimer,
                           sample.currentChargePercentage, sample.currectCapacity,
                           sample.cycleCount, sample.powerSource, sample.isCharged,
                           sample.noBattery, data.chargeLimitLift});
    }
    void batteryManagerDidDetectPowerSourceChangeTo(BatteryManager&,
                                                    PowerSourceType source) override {
        _notices.push_back(source == PowerSourceType::acPowered ? "power mains" : "power battery");
    }
    void batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(
        BatteryManager&, uint64_t threshold) override {
        _notices.push_back("charge " + std::to_string(threshold));
    }
    void batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager&,
                                                                           double length) override {
        _notices.push_back("connected " + std::to_string(qint64(length)));
    }
    void batteryManagerNotifyEventOnCalibrationProccessWithMessage(
        BatteryManager&, const std::optional<QString>& message) override {
        _notices.push_back("guide " + message.value_or("none").toStdString());
    }
    void batteryManagerAskToLiftChargeLimit(BatteryManager&, uint64_t limit) override {
        _notices.push_back("lift " + std::to_string(limit));
    }

    // The notices since the last call: "power battery", "charge 20", "connected -108060",
    // "guide none", "lift 80".
    std::vector<std::string> takeNotices() { return std::exchange(_notices, {}); }

    std::vector<Record> records;

private:
    std::vector<std::string> _notices;
    const DateProvider& _clock;
};
