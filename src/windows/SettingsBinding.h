// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QSpinBox;
class SettingsStore;
class WindowActions;

// Ties a control to one key of the settings store both ways: the control shows the stored value
// at once when it changes elsewhere, and the user's change is written at once.
namespace SettingsBinding {

void bindCheckBox(QAbstractButton& checkBox, SettingsStore& store, const QString& key);
void bindSpinBox(QSpinBox& spinBox, SettingsStore& store, const QString& key);
// A list whose entries carry the texts stored under `key` as their data; a stored text no entry
// carries shows the first entry.
void bindComboBox(QComboBox& comboBox, SettingsStore& store, const QString& key);
// The start-at-login box: a click by the user also turns the desktop's login item on or off.
void bindStartAtLogin(QAbstractButton& checkBox, SettingsStore& store, WindowActions& actions);

} // namespace SettingsBinding
