// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPBatteryDataAwareInterface.h"
#include "AMPCapacityTableDataProvider.h"
#include "HelpBlocks.h"

#include <QWidget>
#include <memory>
#include <optional>

class BatteryData;
class GlobalConfigurationProvider;

namespace Ui {
class AMPCapacityVC;
}

// The capacity ring's view: cycles done and by design, design and full charge capacity, and the
// history of capacities recorded at full charge.
class AMPCapacityVC : public QWidget, public AMPBatteryDataAwareInterface {
    Q_OBJECT

public:
    // A capacity that is none keeps the text shown before.
    struct Content {
        QString cyclesDone;
        QString cyclesByDesign;
        std::optional<QString> originalCapacity;
        std::optional<QString> currentCapacity;
    };

    explicit AMPCapacityVC(GlobalConfigurationProvider& configuration, QWidget* parent = nullptr);
    ~AMPCapacityVC() override;

    void refreshContentWithData(const CalibrationData& data) override;
    void cyclesHelpAction();
    void capacityHelpAction();

    static Content contentForData(const BatteryData& battery);

    bool cyclesHelpOnDisplay() const { return _helpBlocks->isOpen(_cyclesHelp); }
    bool capacityHelpOnDisplay() const { return _helpBlocks->isOpen(_capacityHelp); }
    const AMPCapacityTableDataProvider& tableDataProvider() const { return _tableDataProvider; }

private:
    void viewDidLoad();

    std::unique_ptr<Ui::AMPCapacityVC> _ui;
    GlobalConfigurationProvider& _configuration;
    AMPCapacityTableDataProvider _tableDataProvider;
    std::unique_ptr<HelpBlocks> _helpBlocks;
    int _cyclesHelp = 0;
    int _capacityHelp = 0;
};
