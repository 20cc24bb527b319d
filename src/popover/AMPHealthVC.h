// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPBatteryDataAwareInterface.h"
#include "battery/BatteryHealthType.h"

#include <QWidget>
#include <memory>
#include <optional>

class BatteryData;
class GlobalConfigurationProvider;
class HelpBlocks;

namespace Ui {
class AMPHealthVC;
}

// The health ring's view: the battery's lifespan, where its capacity and cycles stand, and what
// the health word in the ring means.
class AMPHealthVC : public QWidget, public AMPBatteryDataAwareInterface {
    Q_OBJECT

public:
    struct Content {
        QString lifespan;
        QString capacity;
        QString ringExplanation;
    };

    explicit AMPHealthVC(GlobalConfigurationProvider& configuration, QWidget* parent = nullptr);
    ~AMPHealthVC() override;

    void refreshContentWithData(const CalibrationData& data) override;
    void healthHelpAction();

    static Content contentForData(const BatteryData& battery);
    static QString ringExplanation(std::optional<BatteryHealthType> health);

    bool healthHelpOnDisplay() const;

private:
    void viewDidLoad();

    std::unique_ptr<Ui::AMPHealthVC> _ui;
    GlobalConfigurationProvider& _configuration;
    std::unique_ptr<HelpBlocks> _helpBlocks;
};
