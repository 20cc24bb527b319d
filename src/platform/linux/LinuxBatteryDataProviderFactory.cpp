// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LinuxBatteryDataProviderFactory.h"

#include "SysfsPowerSourceService.h"
#include "UdevPowerSourceMonitor.h"
#include "UeventRegistryDump.h"

std::unique_ptr<BatteryDataProvider>
LinuxBatteryDataProviderFactory::create(bool automation, const DateProvider& dateProvider,
                                        const QString& powerSupplyFolder) {
    auto powerSources = std::make_unique<SysfsPowerSourceService>(powerSupplyFolder, dateProvider);
    auto registry = std::make_unique<UeventRegistryDump>(*powerSources);
    std::unique_ptr<PowerSourceChangeNotifier> notifier;
    if (automation)
        notifier = std::make_unique<UdevPowerSourceMonitor>();
    return std::make_unique<BatteryDataProvider>(std::move(powerSources), std::move(registry),
                                                 std::move(notifier));
}
