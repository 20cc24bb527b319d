// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// A battery's uevent file, as broken firmware may fill it, read into the battery sample the
// application shows.

#include "FuzzSupport.h"
#include "battery/BatteryData.h"
#include "battery/BatteryDataProvider.h"
#include "platform/linux/SysfsPowerSourceService.h"
#include "platform/linux/UeventRegistryDump.h"
#include "support/FakeDateProvider.h"

#include <QDir>

namespace {

// Above any laptop's battery, in mAh: a larger capacity is a negative one read as unsigned.
constexpr uint64_t kMaxCapacity = 1000000;

} // namespace

void fuzz(const QByteArray& input) {
    const QDir root(scratchFolder().path());
    if (root.mkpath(QStringLiteral("BAT0")) && !root.exists(QStringLiteral("BAT0/type")))
        mustWrite(root.filePath(QStringLiteral("BAT0/type")), "Battery\n");
    mustWrite(root.filePath(QStringLiteral("BAT0/uevent")), input);
    const FakeDateProvider clock;
    auto powerSources = std::make_unique<SysfsPowerSourceService>(root.path(), clock);
    auto registry = std::make_unique<UeventRegistryDump>(*powerSources);
    BatteryData battery(
        std::make_unique<BatteryDataProvider>(std::move(powerSources), std::move(registry)));
    battery.refreshBasicBatteryData();
    require(battery.currentChargePercentage <= 100, "a charge is 0 to 100 %");
    require(battery.chargeLimit >= 1 && battery.chargeLimit <= 100, "a charge limit is 1 to 100 %");
    require(battery.designCapacity <= kMaxCapacity && battery.currectCapacity <= kMaxCapacity,
            "capacities are never negative");
    require(battery.cycleCount <= uint64_t(std::numeric_limits<qint64>::max()),
            "a cycle count is never negative");
}
