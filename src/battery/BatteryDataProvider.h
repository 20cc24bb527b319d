// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "BatteryDataProviderDelegate.h"
#include "PowerSourceChangeNotifier.h"
#include "PowerSourceService.h"
#include "RegistryDump.h"

#include <QVariantMap>
#include <log4cplus/logger.h>
#include <memory>
#include <optional>

// Reads the main power source's description and completes it with the cycle count and the
// capacities from the registry. Given a change notifier, it attaches it on the calling thread
// and passes every change on to its delegate.
class BatteryDataProvider {
public:
    BatteryDataProvider(std::unique_ptr<PowerSourceService> powerSources,
                        std::unique_ptr<RegistryDump> registry,
                        std::unique_ptr<PowerSourceChangeNotifier> runLoopSource = nullptr);
    ~BatteryDataProvider();
    BatteryDataProvider(const BatteryDataProvider&) = delete;
    BatteryDataProvider& operator=(const BatteryDataProvider&) = delete;

    // Empty when there is no power source at all; none when the main one cannot be read or gives
    // no charge, so that a passing failure does not look like an empty battery.
    std::optional<QVariantMap> loadMainBatteryData();

    BatteryDataProviderDelegate* delegate() const { return _delegate; }
    void setDelegate(BatteryDataProviderDelegate* delegate) { _delegate = delegate; }

private:
    std::unique_ptr<PowerSourceService> _powerSources;
    std::unique_ptr<RegistryDump> _registry;
    std::unique_ptr<PowerSourceChangeNotifier> _runLoopSource;
    BatteryDataProviderDelegate* _delegate = nullptr;
    bool _reportedUnreadable = false;
    log4cplus::Logger _logger;
};
