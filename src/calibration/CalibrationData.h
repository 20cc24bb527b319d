// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AlgorithmState.h"
#include "CalibrationState.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

class BatteryData;

// The status record of one update, handed to the status item and the views. It refers to the
// live sample, which outlives every record.
class CalibrationData {
public:
    static constexpr double secondsInADay = 86400;
    // What Ampra can do about the firmware's charge limit in the calibration under way.
    enum class ChargeLimitLift { none, offered, lifted };

    CalibrationData(const BatteryData& batteryData, CalibrationState calibrationState,
                    AlgorithmState calibrationAlgorithmState);

    const BatteryData& batteryData() const { return *_batteryData; }

    CalibrationState calibrationState;
    AlgorithmState calibrationAlgorithmState;
    // Guide texts go to the battery manager's delegate; the engine leaves this empty.
    std::optional<QString> calibrationGuideMessage;
    std::optional<QDateTime> nextCalibrationDate;
    double timeRemainingInRunningTimer = 0;
    // This update finished a calibration and stored it.
    bool calibrationRecorded = false;
    ChargeLimitLift chargeLimitLift = ChargeLimitLift::none;
    // The limit offered or lifted, in percent: it comes back when the calibration ends.
    uint64_t liftableChargeLimit = 100;

    // Whole days from now to the next calibration; none without a next date.
    std::optional<uint64_t> daysUntilNextCalibration(const QDateTime& now) const;
    // Seconds left in the step under way, where the step has a measure of it.
    std::optional<double> timeRemainingInCurrentStep() const;
    QString description() const;

private:
    const BatteryData* _batteryData;
};
