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
    // What one update or event reported; the sample's fields are copied, it changes in place.
    struct Record {
        QDateTime date;
        CalibrationState calibrationState;
        AlgorithmState algorithmState;
        std::optional<QDateTime> nextCalibrationDate;
        double timeRemainingInRunningTimer;
        uint64_t charge;
        PowerSourceType powerSource;
        bool isCharged;
        uint64_t capacity;
        uint64_t cycleCount;

        bool operator==(const Record&) const = default;
    };
    enum class Kind { powerSource, charge, connectedTooLong, guide };
    struct Notice {
        Kind kind;
        double value;
        std::optional<QString> message;
        // Index of the record of the update that sent it.
        size_t record;
    };

    explicit RecordingBatteryManagerDelegate(const DateProvider& clock) : _clock(clock) {}

    void batteryManagerDidFinishRunningCalibrationAlgorithWithData(
        BatteryManager&, const CalibrationData& data) override {
        const BatteryData& sample = data.batteryData();
        records.push_back({_clock.now(), data.calibrationState, data.calibrationAlgorithmState,
                           data.nextCalibrationDate, data.timeRemainingInRunningTimer,
                           sample.currentChargePercentage, sample.powerSource, sample.isCharged,
                           sample.currectCapacity, sample.cycleCount});
    }
    void batteryManagerDidDetectPowerSourceChangeTo(BatteryManager&,
                                                    PowerSourceType powerSource) override {
        add(Kind::powerSource, double(powerSource));
    }
    void batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(
        BatteryManager&, uint64_t threshold) override {
        add(Kind::charge, double(threshold));
    }
    void batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(BatteryManager&,
                                                                           double length) override {
        add(Kind::connectedTooLong, length);
    }
    void batteryManagerNotifyEventOnCalibrationProccessWithMessage(
        BatteryManager&, const std::optional<QString>& message) override {
        add(Kind::guide, 0, message);
    }

    // The notices since the last call, as short lines: "power battery", "charge 20",
    // "connected -108060", "guide Calibration Done!!" ("guide none" without a message).
    std::vector<std::string> takeNotices() {
        std::vector<std::string> lines;
        for (const Notice& notice : notices)
            lines.push_back(text(notice));
        notices.clear();
        return lines;
    }

    std::vector<Record> records;
    std::vector<Notice> notices;

private:
    void add(Kind kind, double value, std::optional<QString> message = std::nullopt) {
        notices.push_back({kind, value, std::move(message), records.size() - 1});
    }
    static std::string text(const Notice& notice) {
        switch (notice.kind) {
        case Kind::powerSource:
            return PowerSourceType(notice.value) == PowerSourceType::acPowered ? "power mains"
                                                                               : "power battery";
        case Kind::charge:
            return "charge " + std::to_string(qint64(notice.value));
        case Kind::connectedTooLong:
            return "connected " + std::to_string(qint64(notice.value));
        case Kind::guide:
            return "guide " + notice.message.value_or("none").toStdString();
        }
        return {};
    }

    const DateProvider& _clock;
};
