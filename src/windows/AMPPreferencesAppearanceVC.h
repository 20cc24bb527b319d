// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class SettingsStore;
namespace Ui {
class AMPPreferencesWindow;
}

// The Appearance page: what the tray item shows. The application redraws the item when one of
// these settings changes.
class AMPPreferencesAppearanceVC {
public:
    AMPPreferencesAppearanceVC(Ui::AMPPreferencesWindow& ui, SettingsStore& store);
};
