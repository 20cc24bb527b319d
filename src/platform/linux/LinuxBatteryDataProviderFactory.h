#pragma once

#include "SysfsRoot.h"
#include "battery/BatteryDataProvider.h"

#include <memory>

// The one place that assembles the Linux power source reader: sysfs for the sources and the
// registry text, udev for change notices when automation is on.
class LinuxBatteryDataProviderFactory {
public:
    static std::unique_ptr<BatteryDataProvider>
    create(bool automation, const QString& powerSupplyFolder = SysfsRoot::powerSupplyFolder());
};
