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

using FuzzSupport::require;

// Above any laptop's battery, in mAh: a larger capacity is a negative one read as unsigned.
constexpr uint64_t kMaxCapacity = 1000000;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::silenceLogging();
    QDir().mkpath(FuzzSupport::scratchFolder().filePath(QStringLiteral("BAT0")));
    FuzzSupport::writeFile(FuzzSupport::scratchFolder().filePath(QStringLiteral("BAT0/type")),
                           "Battery\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::writeFile(FuzzSupport::scratchFolder().filePath(QStringLiteral("BAT0/uevent")),
                           QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const FakeDateProvider clock;
    auto powerSources =
        std::make_unique<SysfsPowerSourceService>(FuzzSupport::scratchFolder().path(), clock);
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
    return 0;
}
