// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ExtraBatteryInfo.h"

#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <log4cplus/loggingmacros.h>

namespace {

const QString kCapacityMarker = QStringLiteral("DesignCapacity");
constexpr std::string_view kUeventCapacityMarker = "_FULL_DESIGN";

// The C library's reading of a decimal int: leading white space, a sign, digits up to the first
// other character, saturated at the type's bounds.
qint64 intValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'),
                                 qint64(std::numeric_limits<qint32>::max()) + 1);
    value = negative ? -value : value;
    return std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                              std::numeric_limits<qint32>::max());
}

// Milliampere-hours rounded; a capacity beyond any real battery is garbage, counted as missing.
qint64 plausibleCapacity(double milliAmpHours) {
    return milliAmpHours >= 0 && milliAmpHours <= 1000000 ? std::llround(milliAmpHours) : 0;
}

} // namespace

ExtraBatteryInfo::ExtraBatteryInfo(RegistryDump& registry, const QString& powerSource)
    : _format(registry.format())
    , _logger(log4cplus::Logger::getInstance("battery.ExtraBatteryInfo")) {
    if (_format == RegistryDump::Format::uevent) {
        // The reading parsed the uevent already: its values are taken as they are.
        _ueventValues = registry.branchValues(powerSource).value_or(RegistryDump::Values());
        const bool hasDesign =
            std::any_of(_ueventValues.begin(), _ueventValues.end(), [](const auto& value) {
                return value.first.ends_with(kUeventCapacityMarker);
            });
        // A battery without design values keeps lacking them: on Linux that is said once per run.
        static std::atomic<bool> reported = false;
        if (!hasDesign && !reported.exchange(true))
            LOG4CPLUS_WARN(_logger, "No Power Information found in ioreg.");
        return;
    }
    std::optional<QString> output = registry.branchText(QStringLiteral("AppleSmartBattery"));
    if (!output || !output->contains(kCapacityMarker))
        output = registry.branchText(QStringLiteral("IOPMUPowerSource"));
    if (!output || !output->contains(kCapacityMarker))
        LOG4CPLUS_WARN(_logger, "No Power Information found in ioreg.");
    if (output)
        ioregOnStrings = output->split(u'\n');
}

qint64 ExtraBatteryInfo::getDesignCycleCount() const {
    // Linux does not expose the cycle count the battery is designed for.
    return _format == RegistryDump::Format::ioreg ? ioregProperty("DesignCycleCount") : 0;
}

qint64 ExtraBatteryInfo::getCycleCount() const {
    if (_format == RegistryDump::Format::ioreg)
        return ioregProperty("CycleCount");
    return ueventNumber("CYCLE_COUNT").value_or(0);
}

qint64 ExtraBatteryInfo::getDesignCapacity() const {
    if (_format == RegistryDump::Format::ioreg)
        return ioregProperty("DesignCapacity");
    return ueventCapacity("CHARGE_FULL_DESIGN", "ENERGY_FULL_DESIGN");
}

qint64 ExtraBatteryInfo::getMaxCapacity() const {
    if (_format == RegistryDump::Format::ioreg)
        return ioregProperty("MaxCapacity");
    return ueventCapacity("CHARGE_FULL", "ENERGY_FULL");
}

// A whole line of at least one character, the key in quotes, " = " and digits up to the end.
qint64 ExtraBatteryInfo::ioregProperty(const char* key) const {
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral(".+\"%1\" = (\\d+)").arg(QLatin1String(key))));
    const QString* match = nullptr;
    for (const QString& line : ioregOnStrings) {
        if (!pattern.match(line).hasMatch())
            continue;
        if (match)
            return 0;
        match = &line;
    }
    if (!match)
        return 0;
    return intValue(match->split(QStringLiteral(" = ")).value(1));
}

// A value of digits only. A key given twice is ambiguous, not absent: it must not send the
// capacity on to the energy keys.
std::optional<qint64> ExtraBatteryInfo::ueventNumber(std::string_view key) const {
    const std::string_view* match = nullptr;
    for (const auto& [name, value] : _ueventValues) {
        if (name != key || value.empty() ||
            !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (match)
            return 0;
        match = &value;
    }
    if (!match)
        return std::nullopt;
    qint64 value = 0;
    const auto [end, error] = std::from_chars(match->data(), match->data() + match->size(), value);
    return error == std::errc() ? value : 0;
}

// µAh to mAh; batteries that count energy (µWh) are converted with their design voltage (µV),
// or, without one, the present voltage.
qint64 ExtraBatteryInfo::ueventCapacity(std::string_view chargeKey,
                                        std::string_view energyKey) const {
    if (const auto charge = ueventNumber(chargeKey))
        return plausibleCapacity(double(*charge) / 1000.0);
    const auto energy = ueventNumber(energyKey);
    auto voltage = ueventNumber("VOLTAGE_MIN_DESIGN");
    if (!voltage || *voltage == 0)
        voltage = ueventNumber("VOLTAGE_NOW");
    if (!energy || !voltage || *voltage == 0)
        return 0;
    return plausibleCapacity(double(*energy) / double(*voltage) * 1000.0);
}
