// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraPreferences.h"

#include "SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <log4cplus/loggingmacros.h>

namespace {

// Intervals are stored as whole seconds; a value that has no such form is not stored.
void storeSeconds(SettingsStore& store, double seconds, const QString& key) {
    if (std::isfinite(seconds) && std::abs(seconds) < 9.2e18)
        store.setInteger(qint64(seconds), key);
}

} // namespace

AmpraPreferences::AmpraPreferences(SettingsStore& store)
    : _store(store)
    , _logger(log4cplus::Logger::getInstance("helpers.preferences")) {
    registerDefaults();
}

double AmpraPreferences::inRange(const QString& key, double low, double high) const {
    const double value = std::trunc(_store.doubleForKey(key));
    const double clamped = std::isnan(value) ? low : std::clamp(value, low, high);
    if (clamped == value) {
        _loggedOutOfRange.remove(key);
    } else if (const QString text = QString::number(value); _loggedOutOfRange.value(key) != text) {
        _loggedOutOfRange.insert(key, text);
        LOG4CPLUS_WARN(_logger, "Setting " << key.toStdString() << " is out of range (" << value
                                           << "); using " << clamped);
    }
    return clamped;
}

void AmpraPreferences::registerDefaults() {
    _store.registerDefaults({
        {kNextCalibrationInterval, qint64(2419200)},
        {kWorkingHoursWarningInterval, qint64(108000)},
        {kNotifyOnPowerCord, true},
        {kNotifyOnSelectedCharge, true},
        {kNotificationCharge, qint64(20)},
        {kRemaindToUnplug, true},
        {kStartAtLogin, false},
        {kAutomaticallyCheckForUpdates, true},
        {kUseVerticalIcon, true},
        {kShowIcon, true},
        {kShowTime, true},
        {kShowPercentage, true},
        {kUseColoredStatusBarIcon, true},
        {kShowPercentageInIcon, false},
        {kPanelAppearance, QStringLiteral("automatic")},
        {kLiftChargeLimitForCalibrations, false},
    });
    _store.synchronize();
}

// A week to a year: shorter makes no sense for a battery, longer is not a schedule.
double AmpraPreferences::timeBetweenCalibrations() const {
    return inRange(kNextCalibrationInterval, 604800, 31536000);
}

void AmpraPreferences::setTimeBetweenCalibrations(double seconds) {
    storeSeconds(_store, seconds, kNextCalibrationInterval);
}

// An hour to 30 days.
double AmpraPreferences::workingHoursWarningInterval() const {
    return inRange(kWorkingHoursWarningInterval, 3600, 2592000);
}

void AmpraPreferences::setWorkingHoursWarningInterval(double seconds) {
    storeSeconds(_store, seconds, kWorkingHoursWarningInterval);
}

bool AmpraPreferences::notifyOnPowerCordChange() const {
    return _store.boolForKey(kNotifyOnPowerCord);
}

bool AmpraPreferences::notifyOnSelectedCharge() const {
    return _store.boolForKey(kNotifyOnSelectedCharge);
}

uint64_t AmpraPreferences::notificationCharge() const {
    return uint64_t(inRange(kNotificationCharge, 1, 99));
}

bool AmpraPreferences::remindToUnplug() const {
    return _store.boolForKey(kRemaindToUnplug);
}

void AmpraPreferences::setRemindToUnplug(bool value) {
    _store.setBool(value, kRemaindToUnplug);
}

bool AmpraPreferences::useVerticalIcons() const {
    return _store.boolForKey(kUseVerticalIcon);
}

void AmpraPreferences::setUseVerticalIcons(bool value) {
    _store.setBool(value, kUseVerticalIcon);
}

bool AmpraPreferences::showIcon() const {
    return _store.boolForKey(kShowIcon);
}

void AmpraPreferences::setShowIcon(bool value) {
    _store.setBool(value, kShowIcon);
}

bool AmpraPreferences::showTime() const {
    return _store.boolForKey(kShowTime);
}

void AmpraPreferences::setShowTime(bool value) {
    _store.setBool(value, kShowTime);
}

bool AmpraPreferences::showPercentage() const {
    return _store.boolForKey(kShowPercentage);
}

void AmpraPreferences::setShowPercentage(bool value) {
    _store.setBool(value, kShowPercentage);
}

bool AmpraPreferences::useColoredStatusBarIcon() const {
    return _store.boolForKey(kUseColoredStatusBarIcon);
}

void AmpraPreferences::setUseColoredStatusBarIcon(bool value) {
    _store.setBool(value, kUseColoredStatusBarIcon);
}

bool AmpraPreferences::showPercentageInIcon() const {
    return _store.boolForKey(kShowPercentageInIcon);
}

bool AmpraPreferences::liftChargeLimitForCalibrations() const {
    return _store.boolForKey(kLiftChargeLimitForCalibrations);
}

// An unknown value counts as automatic, as it does for the panel's colour.
bool AmpraPreferences::panelAppearanceIsAutomatic() const {
    const QString value = _store.objectForKey(kPanelAppearance).toString();
    return value != QLatin1String("light") && value != QLatin1String("dark");
}

bool AmpraPreferences::startAtLogin() const {
    return _store.boolForKey(kStartAtLogin);
}
