// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPBatteryDataAwareInterface.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

class BatteryData;
class GlobalConfigurationProvider;

namespace Ui {
class AMPChargeVC;
}

// The charge ring's view: where the power comes from, what the battery does, its charge and, while
// it runs down, the time left.
class AMPChargeVC : public QWidget, public AMPBatteryDataAwareInterface {
    Q_OBJECT

public:
    struct Content {
        QString powerSource;
        QString batteryStatus;
        QString charge;
        // None: the time row leaves the view.
        std::optional<QString> timeRemaining;
    };

    explicit AMPChargeVC(GlobalConfigurationProvider& configuration, QWidget* parent = nullptr);
    ~AMPChargeVC() override;

    void refreshContentWithData(const CalibrationData& data) override;
    void hideTimeRemainingSectionIfNeeded();
    void showTimeRemainingSectionIfNeeded();

    // `liftedChargeLimit`: the limit Ampra lifted for the calibration under way.
    static Content contentForData(const BatteryData& battery,
                                  std::optional<uint64_t> liftedChargeLimit = std::nullopt);
    // 45 minutes give "45m", 125 give "2h 5m".
    static QString timeRemainingText(quint64 minutes);

    bool isTimeReminingSectionHidden() const { return _isTimeReminingSectionHidden; }

private:
    void viewDidLoad();

    std::unique_ptr<Ui::AMPChargeVC> _ui;
    GlobalConfigurationProvider& _configuration;
    bool _isTimeReminingSectionHidden = false;
};
