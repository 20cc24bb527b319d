// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>
#include <QStringList>

class BatteryManager;
class SettingsStore;

// Shows a change of what the status item displays at once: a change of one of those settings
// asks the battery manager for an update, instead of waiting for the next one.
class DisplaySettingsObserver : public QObject {
    Q_OBJECT

public:
    DisplaySettingsObserver(SettingsStore& settings, BatteryManager& batteryManager,
                            QObject* parent = nullptr);

private:
    void observeValueForKeyPath(const QString& key);

    const QStringList _keys;
    BatteryManager& _batteryManager;
};
