// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "RegistryDump.h"

#include <QStringList>
#include <log4cplus/logger.h>
#include <optional>

// Picks the counters the power-source service does not give reliably out of the registry text.
// Made fresh for every reading; a property that cannot be found, or is found more than once (two
// batteries), reads as 0.
class ExtraBatteryInfo {
public:
    // On macOS reads the "AppleSmartBattery" branch, or "IOPMUPowerSource" when that one has no
    // capacities; on Linux reads the given power source's uevent.
    ExtraBatteryInfo(RegistryDump& registry, const QString& powerSource);

    qint64 getDesignCycleCount() const;
    qint64 getCycleCount() const;
    // In mAh.
    qint64 getDesignCapacity() const;
    qint64 getMaxCapacity() const;

    QStringList ioregOnStrings;

private:
    qint64 ioregProperty(const char* key) const;
    // None when no line gives the key, 0 when several do.
    std::optional<qint64> ueventNumber(std::string_view key) const;
    qint64 ueventCapacity(std::string_view chargeKey, std::string_view energyKey) const;

    RegistryDump::Format _format;
    RegistryDump::Values _ueventValues;
    log4cplus::Logger _logger;
};
