// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <optional>

// The text of one branch of the system's device registry, from which the cycle count and the
// capacities are picked: ioreg's listing on macOS, a battery's uevent on Linux.
class RegistryDump {
public:
    enum class Format { ioreg, uevent };

    virtual ~RegistryDump() = default;
    virtual Format format() const = 0;
    // None when the branch cannot be read.
    virtual std::optional<QString> branchText(const QString& branch) = 0;
};
