#include "BatteryDataProvider.h"

#include "ExtraBatteryInfo.h"

BatteryDataProvider::BatteryDataProvider(std::unique_ptr<PowerSourceService> powerSources,
                                         std::unique_ptr<RegistryDump> registry,
                                         std::unique_ptr<PowerSourceChangeNotifier> runLoopSource)
    : _powerSources(std::move(powerSources))
    , _registry(std::move(registry))
    , runLoopSource_(std::move(runLoopSource)) {
    if (runLoopSource_)
        runLoopSource_->attach([this] {
            if (_delegate)
                _delegate->batteryDataProviderDidNoticeUpdateOnBatteryData();
        });
}

BatteryDataProvider::~BatteryDataProvider() = default;

QVariantMap BatteryDataProvider::loadMainBatteryData() {
    const QStringList sources = _powerSources->copyPowerSourcesList();
    if (sources.isEmpty())
        return {};
    QVariantMap description = _powerSources->powerSourceDescription(sources.first());
    const ExtraBatteryInfo extra(*_registry, sources.first());
    description.insert(QStringLiteral("CycleCount"), extra.getCycleCount());
    description.insert(QStringLiteral("DesignCapacity"), extra.getDesignCapacity());
    description.insert(QStringLiteral("MaxCapacity"), extra.getMaxCapacity());
    return description;
}
