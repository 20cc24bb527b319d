// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

class QAbstractButton;
class QSpinBox;
class SettingsStore;
class WindowActions;

// Ties a control to one key of the settings store both ways: the control shows the stored value
// at once when it changes elsewhere, and the user's change is written at once.
namespace SettingsBinding {

void bindCheckBox(QAbstractButton& checkBox, SettingsStore& store, const QString& key);
void bindSpinBox(QSpinBox& spinBox, SettingsStore& store, const QString& key);
// The start-at-login box: a click by the user also turns the desktop's login item on or off.
void bindStartAtLogin(QAbstractButton& checkBox, SettingsStore& store, WindowActions& actions);

} // namespace SettingsBinding
