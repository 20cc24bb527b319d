// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DisplaySettingsObserver.h"

#include "calibration/BatteryManager.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"

DisplaySettingsObserver::DisplaySettingsObserver(SettingsStore& settings,
                                                 BatteryManager& batteryManager, QObject* parent)
    : QObject(parent)
    , _keys{AmpraPreferences::kShowIcon,
            AmpraPreferences::kShowTime,
            AmpraPreferences::kShowPercentage,
            AmpraPreferences::kUseVerticalIcon,
            AmpraPreferences::kUseColoredStatusBarIcon,
            AmpraPreferences::kShowPercentageInIcon}
    , _batteryManager(batteryManager) {
    connect(&settings, &SettingsStore::valueChanged, this,
            &DisplaySettingsObserver::observeValueForKeyPath);
}

void DisplaySettingsObserver::observeValueForKeyPath(const QString& key) {
    if (_keys.contains(key))
        _batteryManager.refresh();
}
