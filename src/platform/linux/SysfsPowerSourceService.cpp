// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SysfsPowerSourceService.h"

#include "calibration/DateProvider.h"

#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <dirent.h>
#include <log4cplus/loggingmacros.h>

namespace {

const QString kAcPower = QStringLiteral("AC Power");
const QString kBatteryPower = QStringLiteral("Battery Power");
constexpr double kMicro = 1e-6;

QString text(const PowerSupplyUevent& uevent, std::string_view key) {
    const auto value = uevent.value(key);
    return value ? QString::fromUtf8(value->data(), qsizetype(value->size())) : QString();
}

// What the kernel reports when the battery itself fails; temperature states (Warm, Cool, Hot,
// Cold) pass with the weather and say nothing about the battery.
bool isFailure(const QString& health) {
    static const QStringList kFailures{
        QStringLiteral("Dead"),
        QStringLiteral("Over voltage"),
        QStringLiteral("Overheat"),
        QStringLiteral("Over current"),
        QStringLiteral("Unspecified failure"),
        QStringLiteral("Watchdog timer expire"),
        QStringLiteral("Safety timer expire"),
        QStringLiteral("Calibration required"),
    };
    return kFailures.contains(health);
}

// Control bytes as \xNN, so that a value cannot break or forge a log line.
std::string escaped(const QByteArray& bytes) {
    std::string text;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            static constexpr char kHex[] = "0123456789abcdef";
            text += {'\\', 'x', kHex[(c >> 4) & 0xf], kHex[c & 0xf]};
        } else {
            text += c;
        }
    }
    return text;
}

QStringList sortedEntries(DIR* dir) {
    QStringList names;
    while (const dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            names.append(QFile::decodeName(entry->d_name));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

SysfsPowerSourceService::SysfsPowerSourceService(QString powerSupplyFolder,
                                                 const DateProvider& dateProvider)
    : _folder(std::move(powerSupplyFolder))
    , _dateProvider(dateProvider)
    , _logger(log4cplus::Logger::getInstance("battery.sysfs")) {}

void SysfsPowerSourceService::sampleWhileDischarging() {
    _sampler = std::make_unique<QTimer>();
    _sampler->setInterval(std::chrono::seconds(BatteryTimeEstimator::kSampleSeconds));
    _sampler->setSingleShot(true);
    QObject::connect(_sampler.get(), &QTimer::timeout, _sampler.get(), [this] { sampleBattery(); });
}

// One read of the battery's uevent, for its counters; the next snapshot does the rest.
void SysfsPowerSourceService::sampleBattery() {
    auto uevent = PowerSupplyUevent::read(_folder + u'/' + _sampledBattery);
    const auto estimator = _estimators.find(_sampledBattery);
    if (!uevent || estimator == _estimators.end())
        return;
    const Supply* last = find(_sampledBattery);
    const Supply battery{_sampledBattery, true, std::move(*uevent),
                         last ? last->chargeLimit : std::nullopt};
    estimator->second.sample(timeReading(battery, text(battery.uevent, "STATUS"), _sampledOnMains,
                                         chargePercentage(battery)));
}

QStringList SysfsPowerSourceService::copyPowerSourcesList() {
    if (_supplies && _keepsSupplyList)
        if (auto batteries = readSupplies(false))
            return *batteries;
    _supplies = listSupplies();
    return readSupplies(true).value_or(QStringList());
}

std::vector<SysfsPowerSourceService::Entry> SysfsPowerSourceService::listSupplies() {
    DIR* dir = opendir(QFile::encodeName(_folder).constData());
    if (!dir) {
        if (!std::exchange(_reportedUnreadableFolder, true))
            LOG4CPLUS_WARN(_logger, "Cannot list the power supplies in " << _folder.toStdString()
                                                                         << ": no battery");
        return {};
    }
    const QStringList names = sortedEntries(dir);
    closedir(dir);

    std::vector<Entry> supplies;
    for (const QString& name : names) {
        // The small type and scope files, not the uevent: reading a peripheral's uevent can wait
        // for its wireless link. An entry without a type has gone since the listing, or is no
        // device.
        const QString folder = _folder + u'/' + name;
        const auto type = PowerSupplyUevent::attribute(folder, QLatin1String("type"));
        const bool isBattery = type == "Battery";
        if (type && (isBattery || type == "Mains" || type == "USB") &&
            PowerSupplyUevent::attribute(folder, QLatin1String("scope")) != "Device")
            supplies.push_back({name, isBattery});
    }
    return supplies;
}

std::optional<QStringList> SysfsPowerSourceService::readSupplies(bool freshList) {
    _snapshot.clear();
    QStringList batteries;
    for (const auto& [name, isBattery] : *_supplies) {
        auto uevent = PowerSupplyUevent::read(_folder + u'/' + name);
        if (!uevent && !freshList)
            return std::nullopt;
        // A battery that cannot be read is still there: it is listed and has no description.
        if (!uevent) {
            if (isBattery)
                batteries.append(name);
            continue;
        }
        Supply supply{name, isBattery, std::move(*uevent)};
        if (isBattery && number(supply, "PRESENT").value_or(1) == 0)
            continue;
        if (isBattery) {
            batteries.append(name);
            supply.chargeLimit = chargeLimit(supply);
        }
        _snapshot.push_back(std::move(supply));
    }
    return batteries;
}

QVariantMap SysfsPowerSourceService::powerSourceDescription(const QString& source) {
    const Supply* battery = find(source);
    if (!battery)
        return {};
    QString status = text(battery->uevent, "STATUS");
    if (status.isEmpty())
        status = QStringLiteral("Unknown");
    const QString state = powerSourceState(status);
    const bool onMains = state == kAcPower;
    const auto charge = chargePercentage(*battery);

    QVariantMap description;
    description.insert(QStringLiteral("Name"), source);
    if (charge)
        description.insert(QStringLiteral("Current Capacity"), *charge);
    description.insert(QStringLiteral("Is Charging"), status == QLatin1String("Charging"));
    // Firmware says Full only when the charge equals the last full charge; idle on mains it may
    // say Not charging or Unknown instead.
    const bool idleOnMains =
        onMains && (status == QLatin1String("Not charging") || status == QLatin1String("Unknown"));
    description.insert(QStringLiteral("Is Charged"), status == QLatin1String("Full") ||
                                                         (idleOnMains && charge.value_or(0) >= 95));
    description.insert(QStringLiteral("Power Source State"), state);
    if (battery->chargeLimit)
        description.insert(QStringLiteral("Charge Limit"), *battery->chargeLimit);
    if (const auto batteryHealth = health(*battery))
        description.insert(QStringLiteral("BatteryHealth"), *batteryHealth);

    auto estimator = _estimators.try_emplace(source, _dateProvider).first;
    auto times = estimator->second.update(timeReading(*battery, status, onMains, charge));
    // Some firmware goes on saying Charging at its limit; there is nothing left to wait for.
    if (battery->chargeLimit && charge.value_or(0) >= *battery->chargeLimit)
        times.timeToFull = 0;
    if (_sampler && status == QLatin1String("Discharging")) {
        _sampledBattery = source;
        _sampledOnMains = onMains;
        _sampler->start();
    } else if (_sampler) {
        _sampler->stop();
    }
    description.insert(QStringLiteral("Time to Empty"), times.timeToEmpty);
    description.insert(QStringLiteral("Time to Full Charge"), times.timeToFull);
    return description;
}

std::optional<PowerSupplyUevent::Values>
SysfsPowerSourceService::ueventValues(const QString& source) const {
    const Supply* supply = find(source);
    if (!supply)
        return std::nullopt;
    return supply->uevent.values();
}

const SysfsPowerSourceService::Supply* SysfsPowerSourceService::find(const QString& name) const {
    const auto it = std::find_if(_snapshot.begin(), _snapshot.end(), [&](const Supply& supply) {
        return supply.isBattery && supply.name == name;
    });
    return it == _snapshot.end() ? nullptr : &*it;
}

std::optional<qint64> SysfsPowerSourceService::number(const Supply& supply, std::string_view key) {
    const auto value = supply.uevent.value(key);
    return value ? parsed(supply, key, *value) : std::nullopt;
}

// A decimal value; anything else is reported once and read as missing.
std::optional<qint64> SysfsPowerSourceService::parsed(const Supply& supply, std::string_view key,
                                                      std::string_view value) {
    qint64 result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (!value.empty() && error == std::errc() && end == value.data() + value.size())
        return result;
    const QByteArray report = supply.name.toUtf8() + ' ' +
                              QByteArray(key.data(), qsizetype(key.size())) + '=' +
                              QByteArray(value.data(), qsizetype(value.size()));
    if (!_reportedValues.contains(report)) {
        _reportedValues.insert(report);
        LOG4CPLUS_WARN(_logger, "Ignoring a value that is not a number: " << escaped(report));
    }
    return std::nullopt;
}

// Quantities (charge, energy, voltage, percentages) cannot be negative.
std::optional<qint64> SysfsPowerSourceService::amount(const Supply& supply, std::string_view key) {
    const auto value = number(supply, key);
    return value && *value >= 0 ? value : std::nullopt;
}

std::optional<double> SysfsPowerSourceService::fraction(const Supply& supply, std::string_view part,
                                                        std::string_view whole) {
    const auto numerator = amount(supply, part);
    const auto denominator = amount(supply, whole);
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    return double(*numerator) / double(*denominator);
}

std::optional<qint64> SysfsPowerSourceService::chargePercentage(const Supply& battery) {
    if (const auto capacity = number(battery, "CAPACITY"))
        return std::clamp<qint64>(*capacity, 0, 100);
    auto ratio = fraction(battery, "CHARGE_NOW", "CHARGE_FULL");
    if (!ratio)
        ratio = fraction(battery, "ENERGY_NOW", "ENERGY_FULL");
    // Some firmwares mix units: energy now, charge full; the voltage brings them together.
    const auto energyNow = amount(battery, "ENERGY_NOW");
    const auto chargeFull = amount(battery, "CHARGE_FULL");
    const double volts = voltage(battery);
    if (!ratio && energyNow && chargeFull && *chargeFull > 0 && volts > 0)
        ratio = double(*energyNow) / (double(*chargeFull) * volts);
    if (!ratio)
        return std::nullopt;
    // Clamped before converting: a ratio of absurd values must not wrap round.
    return std::llround(std::clamp(*ratio, 0.0, 1.0) * 100.0);
}

// The design voltage moves less than the present one; volts, 0 when the battery gives none.
double SysfsPowerSourceService::voltage(const Supply& battery) {
    double volts = double(amount(battery, "VOLTAGE_MIN_DESIGN").value_or(0)) * kMicro;
    if (volts == 0)
        volts = double(amount(battery, "VOLTAGE_NOW").value_or(0)) * kMicro;
    return volts;
}

QString SysfsPowerSourceService::powerSourceState(const QString& status) {
    bool haveSupply = false;
    bool online = false;
    for (const Supply& supply : _snapshot) {
        if (supply.isBattery)
            continue;
        haveSupply = true;
        online = online || number(supply, "ONLINE").value_or(0) >= 1;
    }
    if (haveSupply)
        return online ? kAcPower : kBatteryPower;
    return status == QLatin1String("Discharging") ? kBatteryPower : kAcPower;
}

// The firmware's end-of-charge threshold where it is below full (0 is the ThinkPads' "full").
// Drivers registered as power-supply extensions list it in the uevent; the older vendor hooks
// (thinkpad_acpi, asus-wmi, huawei-wmi, lg-laptop, system76, toshiba_acpi, ...) add only the
// attribute file.
std::optional<qint64> SysfsPowerSourceService::chargeLimit(const Supply& battery) {
    constexpr std::string_view key = "CHARGE_CONTROL_END_THRESHOLD";
    std::optional<qint64> limit = number(battery, key);
    if (!limit && !battery.uevent.value(key))
        if (const auto file = PowerSupplyUevent::attribute(
                _folder + u'/' + battery.name, QLatin1String("charge_control_end_threshold")))
            limit = parsed(battery, "charge_control_end_threshold",
                           std::string_view(file->constData(), size_t(file->size())));
    if (limit && *limit > 0 && *limit < 100)
        return limit;
    return std::nullopt;
}

std::optional<QString> SysfsPowerSourceService::health(const Supply& battery) {
    const QString reported = text(battery.uevent, "HEALTH");
    if (isFailure(reported))
        return QStringLiteral("Check Battery");
    auto wear = fraction(battery, "CHARGE_FULL", "CHARGE_FULL_DESIGN");
    if (!wear)
        wear = fraction(battery, "ENERGY_FULL", "ENERGY_FULL_DESIGN");
    if (wear)
        return *wear >= 0.8   ? QStringLiteral("Good")
               : *wear >= 0.5 ? QStringLiteral("Fair")
                              : QStringLiteral("Poor");
    if (reported == QLatin1String("Good"))
        return reported;
    return std::nullopt;
}

// Charge-counting batteries are brought to energy with their design voltage, so that rates can
// be judged in watts; the voltage cancels out of the times.
BatteryTimeEstimator::Reading SysfsPowerSourceService::timeReading(const Supply& battery,
                                                                   const QString& status,
                                                                   bool onMains,
                                                                   std::optional<qint64> charge) {
    const double voltage = this->voltage(battery);
    const auto energy = [&](std::string_view energyKey,
                            std::string_view chargeKey) -> std::optional<double> {
        if (const auto microWattHours = amount(battery, energyKey))
            return double(*microWattHours) * kMicro;
        if (const auto microAmpHours = amount(battery, chargeKey); microAmpHours && voltage > 0)
            return double(*microAmpHours) * kMicro * voltage;
        return std::nullopt;
    };

    BatteryTimeEstimator::Reading reading;
    reading.status = status;
    reading.onMains = onMains;
    reading.energyFullWh = energy("ENERGY_FULL", "CHARGE_FULL");
    reading.energyNowWh = energy("ENERGY_NOW", "CHARGE_NOW");
    if (!reading.energyNowWh && charge && reading.energyFullWh)
        reading.energyNowWh = *reading.energyFullWh * double(*charge) / 100.0;
    // Full is where the firmware stops charging.
    if (battery.chargeLimit && reading.energyFullWh)
        *reading.energyFullWh *= double(*battery.chargeLimit) / 100.0;
    // The sign of the current is not to be trusted (ACPI reports a magnitude); the status gives
    // the direction.
    if (const auto microWatts = number(battery, "POWER_NOW"))
        reading.rateWatts = std::abs(double(*microWatts)) * kMicro;
    else if (const auto microAmps = number(battery, "CURRENT_NOW"); microAmps && voltage > 0)
        reading.rateWatts = std::abs(double(*microAmps)) * kMicro * voltage;
    return reading;
}
