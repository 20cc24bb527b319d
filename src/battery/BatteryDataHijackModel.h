// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "BatteryDataHijackSource.h"

#include <QStringList>
#include <QVariantMap>
#include <cstdint>

// What the developer override window edits: a reading in the battery record's own key format,
// built from a charge, a phase of the charge cycle, a power source and a health. It carries no
// counters, capacities or times, so the record keeps its last live ones meanwhile.
class BatteryDataHijackModel : public BatteryDataHijackSource {
public:
    // The texts the reading stores, in the order of the window's lists; the window shows its own
    // translated items.
    static const QStringList PowerSourceStates;
    static const QStringList HealthStates;

    bool enableHijaking() const override { return _enableHijaking; }
    void setEnableHijaking(bool enable) { _enableHijaking = enable; }
    uint64_t currentChargePercentage() const { return _currentChargePercentage; }
    void setCurrentChargePercentage(uint64_t percentage) { _currentChargePercentage = percentage; }
    // The power-source item shown as selected, -1 for none. Selecting stores nothing: the next
    // reading takes it.
    int selectedPowerSource() const { return _selectedPowerSource; }
    void selectPowerSource(int index);

    // Sets the charging flags, the charge and the power-source item of a phase of the charge
    // cycle; an index out of range is reported and changes nothing.
    void lifeCycleSetToIndex(int index);
    // Selects and stores the item's text, as choosing it in the window does; -1 stores nothing.
    void storePowerSource(int index);
    void storeHealth(int index);
    // The reading the battery record takes while the switch is on; also written to standard
    // output, so that a developer sees what the engine was given.
    QVariantMap loadMainBatteryData() override;

    QVariantMap batteryValuesDictionary;

private:
    bool _enableHijaking = false;
    uint64_t _currentChargePercentage = 50;
    int _selectedPowerSource = -1;
};
