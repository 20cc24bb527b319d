// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryData.h"

#include "BatteryDataProvider.h"

namespace {

std::optional<uint64_t> unsignedValue(const QVariantMap& dictionary, const QString& key) {
    const auto it = dictionary.constFind(key);
    if (it == dictionary.constEnd())
        return std::nullopt;
    switch (it->typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        // The service's −1 ("still estimating") becomes the all-ones value, as in unsigned reads.
        return static_cast<uint64_t>(it->toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return it->toULongLong();
    default:
        return std::nullopt;
    }
}

bool boolValue(const QVariantMap& dictionary, const QString& key) {
    const auto it = dictionary.constFind(key);
    return it != dictionary.constEnd() && it->typeId() == QMetaType::Bool && it->toBool();
}

std::optional<QString> textValue(const QVariantMap& dictionary, const QString& key) {
    const auto it = dictionary.constFind(key);
    if (it == dictionary.constEnd() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

void keepIfPresent(const QVariantMap& dictionary, const QString& key, uint64_t& field) {
    if (const auto value = unsignedValue(dictionary, key))
        field = *value;
}

void keepTimeIfPresent(const QVariantMap& dictionary, const QString& key, uint64_t& field) {
    if (const auto value = unsignedValue(dictionary, key))
        field = *value == UINT64_MAX ? 0 : *value;
}

BatteryHealthType healthFromText(const QString& text) {
    if (text == QLatin1String("Poor"))
        return BatteryHealthType::poor;
    if (text == QLatin1String("Fair"))
        return BatteryHealthType::fair;
    if (text == QLatin1String("Good"))
        return BatteryHealthType::good;
    if (text == QLatin1String("Check Battery"))
        return BatteryHealthType::check;
    return BatteryHealthType::unknown;
}

// Case names in declaration order, for the description.
const char* caseName(PowerSourceType type) {
    static constexpr const char* kNames[] = {"batteryPowered", "acPowered", "unknownPower"};
    return kNames[static_cast<int>(type)];
}

const char* caseName(BatteryHealthType type) {
    static constexpr const char* kNames[] = {"unknown", "poor", "fair", "good", "check"};
    return kNames[static_cast<int>(type)];
}

QLatin1String boolText(bool value) {
    return QLatin1String(value ? "true" : "false");
}

} // namespace

BatteryData::BatteryData() = default;

BatteryData::BatteryData(std::unique_ptr<BatteryDataProvider> source)
    : dataSource(std::move(source)) {
    if (dataSource)
        dataSource->setDelegate(this);
}

BatteryData::~BatteryData() = default;

void BatteryData::refreshBasicBatteryData() {
    if (!dataSource)
        return;
    std::optional<QVariantMap> dictionary = dataSource->loadMainBatteryData();
    if (!dictionary)
        return;
    // Only the latest reading counts: a removable battery may be taken out and put back.
    noBattery = dictionary->isEmpty();
    if (hijackWC && hijackWC->enableHijaking()) {
        dictionary = hijackWC->loadMainBatteryData();
        // The override stands in for a battery, so that a desktop can show every view.
        noBattery = false;
    }
    if (!dictionary->isEmpty())
        update(*dictionary);
}

void BatteryData::update(const QVariantMap& dictionary) {
    currentChargePercentage =
        unsignedValue(dictionary, QStringLiteral("Current Capacity")).value_or(0);
    isCharging = boolValue(dictionary, QStringLiteral("Is Charging"));
    isFinishCharging = boolValue(dictionary, QStringLiteral("Is Finish Charging"));
    isCharged = boolValue(dictionary, QStringLiteral("Is Charged"));
    const auto source = textValue(dictionary, QStringLiteral("Power Source State"));
    powerSource = !source                                     ? PowerSourceType::unknownPower
                  : *source == QLatin1String("Battery Power") ? PowerSourceType::batteryPowered
                                                              : PowerSourceType::acPowered;
    const auto health = textValue(dictionary, QStringLiteral("BatteryHealth"));
    batteryHealth = health ? healthFromText(*health) : BatteryHealthType::unknown;
    keepIfPresent(dictionary, QStringLiteral("DesignCycleCount"), designCycleCount);
    keepIfPresent(dictionary, QStringLiteral("CycleCount"), cycleCount);
    keepIfPresent(dictionary, QStringLiteral("DesignCapacity"), designCapacity);
    keepIfPresent(dictionary, QStringLiteral("MaxCapacity"), currectCapacity);
    keepTimeIfPresent(dictionary, QStringLiteral("Time to Empty"), timeToEmpty);
    keepTimeIfPresent(dictionary, QStringLiteral("Time to Full Charge"), timeToFull);
    const uint64_t limit = unsignedValue(dictionary, QStringLiteral("Charge Limit")).value_or(100);
    chargeLimit = limit == 0 || limit > 100 ? 100 : limit;
}

bool BatteryData::isHeldAtChargeLimit() const {
    return chargeLimit < 100 && powerSource == PowerSourceType::acPowered && !isCharged &&
           (!isCharging || currentChargePercentage >= chargeLimit);
}

void BatteryData::batteryDataProviderDidNoticeUpdateOnBatteryData() {
    if (updateCallback)
        updateCallback();
}

QString BatteryData::description() const {
    const QString health =
        batteryHealth ? QStringLiteral("Optional(%1)").arg(QLatin1String(caseName(*batteryHealth)))
                      : QStringLiteral("nil");
    return QStringLiteral("[<BatteryData: 0x%1>]:").arg(quintptr(this), 0, 16) +
           QStringLiteral("isCharging:%1, isCharged:%2, isFinishCharging:%3, "
                          "currentChargePercentage:%4, batteryHealth:%5, designCycleCount:%6, "
                          "cycleCount:%7, designCapacity:%8, currectCapacity:%9")
               .arg(boolText(isCharging), boolText(isCharged), boolText(isFinishCharging))
               .arg(currentChargePercentage)
               .arg(health)
               .arg(designCycleCount)
               .arg(cycleCount)
               .arg(designCapacity)
               .arg(currectCapacity) +
           QStringLiteral(", timeToEmpty:%1, timeToFull:%2, powerSource:%3")
               .arg(timeToEmpty)
               .arg(timeToFull)
               .arg(QLatin1String(caseName(powerSource)));
}
