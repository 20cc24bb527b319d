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
    std::optional<qint64> calibrationState() const override { return number(kCalibrationState); }
    void setCalibrationState(std::optional<qint64> value) override {
        setNumber(value, kCalibrationState);
    }
    std::optional<qint64> calibrationAlgorithmState() const override {
        return number(kCalibrationAlgorithmState);
    }
    void setCalibrationAlgorithmState(std::optional<qint64> value) override {
        setNumber(value, kCalibrationAlgorithmState);
    }
    std::optional<QDateTime> calibrationAlgorithmTimeStamp() const override {
        return date(kCalibrationAlgorithmTimeStamp);
    }
    void setCalibrationAlgorithmTimeStamp(std::optional<QDateTime> value) override {
        setDate(value, kCalibrationAlgorithmTimeStamp);
    }
    std::optional<QDateTime> postponeCalibrationToDate() const override {
        return date(kNextCalibrationDate);
    }
    void setPostponeCalibrationToDate(std::optional<QDateTime> value) override {
        setDate(value, kNextCalibrationDate);
    }
    std::optional<qint64> liftedChargeLimit() const override { return number(kLiftedChargeLimit); }
    void setLiftedChargeLimit(std::optional<qint64> value) override {
        setNumber(value, kLiftedChargeLimit);
    }

private:
    std::optional<qint64> number(const QString& key) const;
    void setNumber(std::optional<qint64> value, const QString& key);
    std::optional<QDateTime> date(const QString& key) const;
    void setDate(const std::optional<QDateTime>& value, const QString& key);

    SettingsStore& _store;
};
