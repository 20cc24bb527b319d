// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryDataHijackModel.h"

#include <QTextStream>
#include <QtGlobal>
#include <iterator>
#include <optional>

namespace {

const QString kPowerSourceState = QStringLiteral("Power Source State");

// Each phase of the charge cycle as a battery reports it; an absent flag is removed.
struct Phase {
    std::optional<bool> isCharging, isFinishCharging, isCharged;
    uint64_t charge;
    int powerSource; // index into PowerSourceStates
};

constexpr Phase kPhases[] = {
    {true, false, std::nullopt, 5, 0},          {true, false, std::nullopt, 40, 0},
    {true, true, std::nullopt, 95, 0},          {false, std::nullopt, true, 100, 0},
    {false, std::nullopt, std::nullopt, 95, 1}, {false, std::nullopt, std::nullopt, 60, 1},
    {false, std::nullopt, std::nullopt, 10, 1},
};

void setFlag(QVariantMap& dictionary, const QString& key, std::optional<bool> value) {
    if (value)
        dictionary.insert(key, *value);
    else
        dictionary.remove(key);
}

void storeItem(QVariantMap& dictionary, const QString& key, const QStringList& items, int index) {
    if (index >= 0 && index < items.size())
        dictionary.insert(key, items[index]);
}

} // namespace

const QStringList BatteryDataHijackModel::PowerSourceStates = {
    QStringLiteral("AC Power"),
    QStringLiteral("Battery Power"),
};

const QStringList BatteryDataHijackModel::HealthStates = {
    QStringLiteral("Good"),          QStringLiteral("Fair"),        QStringLiteral("Poor"),
    QStringLiteral("Check Battery"), QStringLiteral("Wrong Value"),
};

void BatteryDataHijackModel::selectPowerSource(int index) {
    _selectedPowerSource = index >= 0 && index < PowerSourceStates.size() ? index : -1;
}

void BatteryDataHijackModel::lifeCycleSetToIndex(int index) {
    if (index < 0 || index >= int(std::size(kPhases))) {
        QTextStream(stdout) << "Wrong Index" << Qt::endl;
        return;
    }
    const Phase& phase = kPhases[index];
    setFlag(batteryValuesDictionary, QStringLiteral("Is Charging"), phase.isCharging);
    setFlag(batteryValuesDictionary, QStringLiteral("Is Finish Charging"), phase.isFinishCharging);
    setFlag(batteryValuesDictionary, QStringLiteral("Is Charged"), phase.isCharged);
    _currentChargePercentage = phase.charge;
    selectPowerSource(phase.powerSource);
}

void BatteryDataHijackModel::storePowerSource(int index) {
    selectPowerSource(index);
    storeItem(batteryValuesDictionary, kPowerSourceState, PowerSourceStates, index);
}

void BatteryDataHijackModel::storeHealth(int index) {
    storeItem(batteryValuesDictionary, QStringLiteral("BatteryHealth"), HealthStates, index);
}

QVariantMap BatteryDataHijackModel::loadMainBatteryData() {
    batteryValuesDictionary.insert(QStringLiteral("Current Capacity"),
                                   QVariant::fromValue<qulonglong>(_currentChargePercentage));
    storeItem(batteryValuesDictionary, kPowerSourceState, PowerSourceStates, _selectedPowerSource);
    QTextStream out(stdout);
    out << "Hijacking of the battery data\n";
    for (auto it = batteryValuesDictionary.cbegin(); it != batteryValuesDictionary.cend(); ++it)
        out << it.key() << ": " << it.value().toString() << '\n';
    out.flush();
    return batteryValuesDictionary;
}
