// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// One branch of the system's device registry, from which the cycle count and the capacities are
// picked: ioreg's listing as text on macOS, a battery's uevent on Linux, as the reading already
// parsed it.
class RegistryDump {
public:
    enum class Format { ioreg, uevent };
    // Each "POWER_SUPPLY_<key>=value" line as (key, value); they point into the reading they come
    // from and stay valid until the next one.
    using Values = std::vector<std::pair<std::string_view, std::string_view>>;

    virtual ~RegistryDump() = default;
    virtual Format format() const = 0;
    // For the ioreg format; none when the branch cannot be read.
    virtual std::optional<QString> branchText(const QString& /*branch*/) { return std::nullopt; }
    // For the uevent format; none when the branch cannot be read.
    virtual std::optional<Values> branchValues(const QString& /*branch*/) { return std::nullopt; }
};
