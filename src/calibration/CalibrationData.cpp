// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CalibrationData.h"

#include "battery/BatteryData.h"

#include <cmath>

CalibrationData::CalibrationData(const BatteryData& batteryData, CalibrationState state,
                                 AlgorithmState algorithmState)
    : calibrationState(state)
    , calibrationAlgorithmState(algorithmState)
    , _batteryData(&batteryData) {}

std::optional<uint64_t> CalibrationData::daysUntilNextCalibration(const QDateTime& now) const {
    if (!nextCalibrationDate)
        return std::nullopt;
    const double seconds = std::abs(double(now.msecsTo(*nextCalibrationDate)) / 1000.0);
    return uint64_t(seconds / secondsInADay);
}

std::optional<double> CalibrationData::timeRemainingInCurrentStep() const {
    double seconds = 0;
    switch (calibrationAlgorithmState) {
    case AlgorithmState::charging:
    case AlgorithmState::calibrationDone:
        seconds = double(_batteryData->timeToFull) * 60;
        break;
    case AlgorithmState::discharging:
        seconds = double(_batteryData->timeToEmpty) * 60;
        break;
    case AlgorithmState::fullyCharged:
        seconds = timeRemainingInRunningTimer;
        break;
    default:
        return std::nullopt;
    }
    if (seconds < 1)
        return std::nullopt;
    return seconds;
}

QString CalibrationData::description() const {
    return QStringLiteral(
               "[CalibrationData]:Calibration State:%1, Calibration Algorithm State:%2, Next "
               "Calibration Date:%3, Calibration Guide Message:%4")
        .arg(QLatin1StringView(calibrationStateName(calibrationState)),
             QLatin1StringView(algorithmStateName(calibrationAlgorithmState)),
             nextCalibrationDate ? nextCalibrationDate->toString(Qt::ISODate)
                                 : QStringLiteral("none"),
             calibrationGuideMessage.value_or(QStringLiteral("none")));
}
