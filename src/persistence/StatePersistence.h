// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <optional>

// The few values that let the engine resume where it was after a quit, crash or power-off.
class StatePersistence {
public:
    virtual ~StatePersistence() = default;

    virtual bool isFirstLaunch() const = 0;
    virtual void setIsFirstLaunch(bool value) = 0;
    virtual std::optional<qint64> calibrationState() const = 0;
    virtual void setCalibrationState(std::optional<qint64> value) = 0;
    virtual std::optional<qint64> calibrationAlgorithmState() const = 0;
    virtual void setCalibrationAlgorithmState(std::optional<qint64> value) = 0;
    virtual std::optional<QDateTime> calibrationAlgorithmTimeStamp() const = 0;
    virtual void setCalibrationAlgorithmTimeStamp(std::optional<QDateTime> value) = 0;
    virtual std::optional<QDateTime> postponeCalibrationToDate() const = 0;
    virtual void setPostponeCalibrationToDate(std::optional<QDateTime> value) = 0;
    // The charge limit in percent that Ampra lifted for a calibration and must put back.
    virtual std::optional<qint64> liftedChargeLimit() const = 0;
    virtual void setLiftedChargeLimit(std::optional<qint64> value) = 0;
};
