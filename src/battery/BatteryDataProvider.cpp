// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryDataProvider.h"

#include "ExtraBatteryInfo.h"

#include <log4cplus/loggingmacros.h>
#include <utility>

BatteryDataProvider::BatteryDataProvider(std::unique_ptr<PowerSourceService> powerSources,
                                         std::unique_ptr<RegistryDump> registry,
                                         std::unique_ptr<PowerSourceChangeNotifier> runLoopSource)
    : _powerSources(std::move(powerSources))
    , _registry(std::move(registry))
    , _runLoopSource(std::move(runLoopSource))
    , _logger(log4cplus::Logger::getInstance("battery.BatteryDataProvider")) {
    if (_runLoopSource)
        _runLoopSource->attach([this] {
            if (_delegate)
                _delegate->batteryDataProviderDidNoticeUpdateOnBatteryData();
        });
}

BatteryDataProvider::~BatteryDataProvider() = default;

std::optional<QVariantMap> BatteryDataProvider::loadMainBatteryData() {
    const QStringList sources = _powerSources->copyPowerSourcesList();
    if (sources.isEmpty())
        return QVariantMap();
    QVariantMap description = _powerSources->powerSourceDescription(sources.first());
    // A battery that fails for a while is said once, when it starts failing and when it is back.
    if (!description.contains(QStringLiteral("Current Capacity"))) {
        if (!std::exchange(_reportedUnreadable, true))
            LOG4CPLUS_WARN(_logger, "The battery " << sources.first().toStdString()
                                                   << " cannot be read or gives no charge: the "
                                                      "last reading stays until it can");
        return std::nullopt;
    }
    if (std::exchange(_reportedUnreadable, false))
        LOG4CPLUS_INFO(_logger,
                       "The battery " << sources.first().toStdString() << " can be read again");
    const ExtraBatteryInfo extra(*_registry, sources.first());
    description.insert(QStringLiteral("CycleCount"), extra.getCycleCount());
    description.insert(QStringLiteral("DesignCapacity"), extra.getDesignCapacity());
    description.insert(QStringLiteral("MaxCapacity"), extra.getMaxCapacity());
    return description;
}
