// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/RegistryDump.h"

class SysfsPowerSourceService;

// The registry on Linux: a battery's uevent, as the power-source service's latest snapshot read
// it, so that one reading reads the file once.
class UeventRegistryDump : public RegistryDump {
public:
    explicit UeventRegistryDump(const SysfsPowerSourceService& powerSources);

    Format format() const override { return Format::uevent; }
    std::optional<Values> branchValues(const QString& branch) override;

private:
    const SysfsPowerSourceService& _powerSources;
};
