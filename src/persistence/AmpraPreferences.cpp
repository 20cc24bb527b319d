// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraPreferences.h"

#include "SettingsStore.h"

#include <cmath>

namespace {

// Intervals are stored as whole seconds; a value that has no such form is not stored.
void storeSeconds(SettingsStore& store, double seconds, const QString& key) {
    if (std::isfinite(seconds) && std::abs(seconds) < 9.2e18)
        store.setInteger(qint64(seconds), key);
}

} // namespace

AmpraPreferences::AmpraPreferences(SettingsStore& store) : _store(store) {
    registerDefaults();
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
    });
    _store.synchronize();
}

double AmpraPreferences::timeBetweenCalibrations() const {
    return double(_store.integerForKey(kNextCalibrationInterval));
}

void AmpraPreferences::setTimeBetweenCalibrations(double seconds) {
    storeSeconds(_store, seconds, kNextCalibrationInterval);
}

double AmpraPreferences::workingHoursWarningInterval() const {
    return double(_store.integerForKey(kWorkingHoursWarningInterval));
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
    const double charge = std::trunc(_store.doubleForKey(kNotificationCharge));
    // Out of range values come only from a hand-edited file; read them as no threshold.
    return charge >= 0 && charge < 18446744073709551616.0 ? uint64_t(charge) : 0;
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

bool AmpraPreferences::startAtLogin() const {
    return _store.boolForKey(kStartAtLogin);
}
