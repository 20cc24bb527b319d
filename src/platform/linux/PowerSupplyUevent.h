// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// One entry of the power-supply class as its uevent file gives it: every readable attribute as
// "POWER_SUPPLY_<NAME>=value", in a single read.
class PowerSupplyUevent {
public:
    // (name without the prefix, value), pointing into the text.
    using Values = std::vector<std::pair<std::string_view, std::string_view>>;

    explicit PowerSupplyUevent(QByteArray text);
    // The parsed values point into the text, which a move keeps in place.
    PowerSupplyUevent(PowerSupplyUevent&&) noexcept = default;
    PowerSupplyUevent& operator=(PowerSupplyUevent&&) noexcept = default;
    PowerSupplyUevent(const PowerSupplyUevent&) = delete;
    PowerSupplyUevent& operator=(const PowerSupplyUevent&) = delete;

    // None when the entry cannot be read: it vanished, or it is no device.
    static std::optional<PowerSupplyUevent> read(const QString& deviceFolder);
    // One attribute file of the entry, trimmed; none when it is absent or cannot be read.
    static std::optional<QByteArray> attribute(const QString& deviceFolder, QLatin1String name);

    const Values& values() const { return _values; }
    // Without the "POWER_SUPPLY_" prefix; trimmed, and an empty value counts as missing.
    std::optional<std::string_view> value(std::string_view key) const;

private:
    QByteArray _text;
    Values _values;
};
