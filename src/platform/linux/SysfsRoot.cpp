// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SysfsRoot.h"

#include <QtGlobal>

QString SysfsRoot::powerSupplyFolder() {
    const QString overridden = qEnvironmentVariable("AMPRA_SYSFS_ROOT");
    return overridden.isEmpty() ? QStringLiteral("/sys/class/power_supply") : overridden;
}
