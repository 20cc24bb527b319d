// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatePersistence.h"

#include <QString>

class SettingsStore;

class AmpraStatePersistence : public StatePersistence {
public:
    inline static const QString kIsFirstLaunch = QStringLiteral("isFirstLaunch");
    inline static const QString kCalibrationState = QStringLiteral("CalibrationState");
    inline static const QString kCalibrationAlgorithmState =
        QStringLiteral("CalibrationAlgorithmState");
    inline static const QString kCalibrationAlgorithmTimeStamp =
        QStringLiteral("CalibrationAlgorithmTimeStamp");
    inline static const QString kNextCalibrationDate = QStringLiteral("NextCalibrationDate");
    inline static const QString kLiftedChargeLimit = QStringLiteral("LiftedChargeLimit");

    explicit AmpraStatePersistence(SettingsStore& store);

    void registerDefaults();

    bool isFirstLaunch() const override;
    void setIsFirstLaunch(bool value) override;
    std::optional<qint64> calibrationState() const override;
    void setCalibrationState(std::optional<qint64> value) override;
    std::optional<qint64> calibrationAlgorithmState() const override;
    void setCalibrationAlgorithmState(std::optional<qint64> value) override;
    std::optional<QDateTime> calibrationAlgorithmTimeStamp() const override;
    void setCalibrationAlgorithmTimeStamp(std::optional<QDateTime> value) override;
    std::optional<QDateTime> postponeCalibrationToDate() const override;
    void setPostponeCalibrationToDate(std::optional<QDateTime> value) override;
    std::optional<qint64> liftedChargeLimit() const override;
    void setLiftedChargeLimit(std::optional<qint64> value) override;

private:
    std::optional<qint64> number(const QString& key) const;
    void setNumber(std::optional<qint64> value, const QString& key);
    std::optional<QDateTime> date(const QString& key) const;
    void setDate(const std::optional<QDateTime>& value, const QString& key);

    SettingsStore& _store;
};
