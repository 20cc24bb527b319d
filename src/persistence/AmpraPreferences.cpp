// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraPreferences.h"

#include "SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <log4cplus/loggingmacros.h>

AmpraPreferences::AmpraPreferences(SettingsStore& store)
    : _store(store)
    , _logger(log4cplus::Logger::getInstance("helpers.preferences")) {
    registerDefaults();
}

const QList<Setting>& AmpraPreferences::settings() {
    using enum Setting::Type;
    static const QList<Setting> table{
        // A week to a year: shorter makes no sense for a battery, longer is not a schedule.
        {kNextCalibrationInterval, number, qint64(2419200), 604800, 31536000},
        // An hour to 30 days.
        {kWorkingHoursWarningInterval, number, qint64(108000), 3600, 2592000},
        {kNotifyOnPowerCord, flag, true},
        {kNotifyOnSelectedCharge, flag, true},
        {kNotificationCharge, number, qint64(20), 1, 99},
        {kRemaindToUnplug, flag, true},
        {kStartAtLogin, flag, false},
        {kAutomaticallyCheckForUpdates, flag, true},
        {kUseVerticalIcon, flag, true},
        {kShowIcon, flag, true},
        {kShowTime, flag, true},
        {kShowPercentage, flag, true},
        {kUseColoredStatusBarIcon, flag, true},
        {kShowPercentageInIcon, flag, false},
        {kPanelAppearance, text, QStringLiteral("automatic")},
        {kLiftChargeLimitForCalibrations, flag, false},
    };
    return table;
}

void AmpraPreferences::registerDefaults() {
    QVariantMap defaults;
    for (const Setting& setting : settings())
        defaults.insert(setting.key, setting.defaultValue);
    _store.registerDefaults(defaults);
    _store.synchronize();
}

bool AmpraPreferences::flag(const QString& key) const {
    return _store.boolForKey(key);
}

void AmpraPreferences::setFlag(const QString& key, bool value) {
    _store.setBool(value, key);
}

double AmpraPreferences::number(const QString& key) const {
    const auto& table = settings();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [&](const Setting& setting) { return setting.key == key; });
    Q_ASSERT(row != table.end() && row->type == Setting::Type::number);
    const double value = std::trunc(_store.doubleForKey(key));
    const double clamped = std::isnan(value) ? row->low : std::clamp(value, row->low, row->high);
    if (clamped == value) {
        _loggedOutOfRange.remove(key);
    } else if (const QString text = QString::number(value); _loggedOutOfRange.value(key) != text) {
        _loggedOutOfRange.insert(key, text);
        LOG4CPLUS_WARN(_logger, "Setting " << key.toStdString() << " is out of range (" << value
                                           << "); using " << clamped);
    }
    return clamped;
}

void AmpraPreferences::setNumber(const QString& key, double value) {
    if (std::isfinite(value) && std::abs(value) < 9.2e18)
        _store.setInteger(qint64(value), key);
}

// An unknown value counts as automatic, as it does for the panel's colour.
bool AmpraPreferences::panelAppearanceIsAutomatic() const {
    const QString value = _store.objectForKey(kPanelAppearance).toString();
    return value != QLatin1String("light") && value != QLatin1String("dark");
}
