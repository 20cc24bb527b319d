// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QCoreApplication>

class SettingsStore;
namespace Ui {
class AMPPreferencesWindow;
}

// The Appearance page: what the tray item shows. The application redraws the item when one of
// these settings changes.
class AMPPreferencesAppearanceVC {
    Q_DECLARE_TR_FUNCTIONS(AMPPreferencesAppearanceVC)

public:
    AMPPreferencesAppearanceVC(Ui::AMPPreferencesWindow& ui, SettingsStore& store);
};
