// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraStatePersistence.h"

#include "SettingsStore.h"

#include <cmath>

AmpraStatePersistence::AmpraStatePersistence(SettingsStore& store) : _store(store) {
    registerDefaults();
}

void AmpraStatePersistence::registerDefaults() {
    _store.registerDefaults({{kIsFirstLaunch, true}});
    _store.synchronize();
}

std::optional<qint64> AmpraStatePersistence::number(const QString& key) const {
    const QVariant value = _store.objectForKey(key);
    if (value.typeId() == QMetaType::LongLong)
        return value.toLongLong();
    if (value.typeId() == QMetaType::Double && std::isfinite(value.toDouble()) &&
        std::abs(value.toDouble()) < 9.2e18)
        return qint64(value.toDouble());
    return std::nullopt;
}

void AmpraStatePersistence::setNumber(std::optional<qint64> value, const QString& key) {
    _store.setObject(value ? QVariant(*value) : QVariant(), key);
}

std::optional<QDateTime> AmpraStatePersistence::date(const QString& key) const {
    const QVariant value = _store.objectForKey(key);
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    return std::nullopt;
}

void AmpraStatePersistence::setDate(const std::optional<QDateTime>& value, const QString& key) {
    _store.setObject(value ? QVariant(*value) : QVariant(), key);
}

bool AmpraStatePersistence::isFirstLaunch() const {
    return _store.boolForKey(kIsFirstLaunch);
}

void AmpraStatePersistence::setIsFirstLaunch(bool value) {
    _store.setBool(value, kIsFirstLaunch);
}
