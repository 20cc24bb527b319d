// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "SysfsRoot.h"
#include "battery/BatteryDataProvider.h"

#include <memory>

class DateProvider;

// The one place that assembles the Linux power source reader: sysfs for the sources and the
// registry text, udev for change notices when automation is on.
class LinuxBatteryDataProviderFactory {
public:
    // The remaining times are estimated on `dateProvider`'s clock, which must outlive the reader.
    static std::unique_ptr<BatteryDataProvider>
    create(bool automation, const DateProvider& dateProvider,
           const QString& powerSupplyFolder = SysfsRoot::powerSupplyFolder());
};
