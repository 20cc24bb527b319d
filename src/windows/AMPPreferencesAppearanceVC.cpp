// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPPreferencesAppearanceVC.h"

#include "SettingsBinding.h"
#include "persistence/AmpraPreferences.h"
#include "ui_AMPPreferencesWindow.h"

AMPPreferencesAppearanceVC::AMPPreferencesAppearanceVC(Ui::AMPPreferencesWindow& ui,
                                                       SettingsStore& store) {
    using SettingsBinding::bindCheckBox;
    bindCheckBox(*ui.showIconCheckBox, store, AmpraPreferences::kShowIcon);
    bindCheckBox(*ui.showPercentageCheckBox, store, AmpraPreferences::kShowPercentage);
    bindCheckBox(*ui.showTimeCheckBox, store, AmpraPreferences::kShowTime);
    bindCheckBox(*ui.useVerticalIconCheckBox, store, AmpraPreferences::kUseVerticalIcon);
    bindCheckBox(*ui.useColoredStatusBarIconCheckBox, store,
                 AmpraPreferences::kUseColoredStatusBarIcon);
    bindCheckBox(*ui.showPercentageInIconCheckBox, store, AmpraPreferences::kShowPercentageInIcon);
    QComboBox& panel = *ui.panelAppearancePopUpButton;
    //: Panel colour: Ampra tells the panel's colour from the desktop
    panel.addItem(tr("Automatic"), QStringLiteral("automatic"));
    //: Panel colour: the desktop panel is light, the icon is drawn dark
    panel.addItem(tr("Light"), QStringLiteral("light"));
    //: Panel colour: the desktop panel is dark, the icon is drawn light
    panel.addItem(tr("Dark"), QStringLiteral("dark"));
    SettingsBinding::bindComboBox(panel, store, AmpraPreferences::kPanelAppearance);
}
