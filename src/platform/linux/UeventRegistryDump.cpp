// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "UeventRegistryDump.h"

#include "SysfsPowerSourceService.h"

UeventRegistryDump::UeventRegistryDump(const SysfsPowerSourceService& powerSources)
    : _powerSources(powerSources) {}

std::optional<RegistryDump::Values> UeventRegistryDump::branchValues(const QString& branch) {
    return _powerSources.ueventValues(branch);
}
