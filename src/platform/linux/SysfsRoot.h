// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// The power-supply class folder: /sys/class/power_supply, or AMPRA_SYSFS_ROOT for demos and
// manual tests against a fixture tree.
class SysfsRoot {
public:
    static QString powerSupplyFolder();
};
