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
    SysfsPowerSourceService* sources = powerSources.get();
    auto registry = std::make_unique<UeventRegistryDump>(*powerSources);
    std::unique_ptr<UdevPowerSourceMonitor> monitor;
    if (automation) {
        monitor = std::make_unique<UdevPowerSourceMonitor>();
        monitor->setSupplyListHandler([sources] { sources->supplyListChanged(); });
        sources->sampleWhileDischarging();
    }
    const UdevPowerSourceMonitor* udev = monitor.get();
    auto provider = std::make_unique<BatteryDataProvider>(std::move(powerSources),
                                                          std::move(registry), std::move(monitor));
    // Attached by now: the list of supplies is kept only while udev says when it changes.
    if (udev && udev->isReceiving())
        sources->keepSupplyList();
    return provider;
}
