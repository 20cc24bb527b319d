// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SettingsBinding.h"

#include "WindowActions.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

namespace SettingsBinding {

namespace {

// Shows the stored value now and after every change of `key`; the control's own signal is
// blocked meanwhile, so showing never writes back.
template <typename Control, typename Show>
void follow(Control& control, SettingsStore& store, const QString& key, Show show) {
    const auto refresh = [&control, &store, show] {
        const QSignalBlocker blocker(control);
        show(control, store);
    };
    refresh();
    QObject::connect(&store, &SettingsStore::valueChanged, &control,
                     [key, refresh](const QString& changed) {
                         if (changed == key)
                             refresh();
                     });
}

} // namespace

void bindCheckBox(QAbstractButton& checkBox, SettingsStore& store, const QString& key) {
    follow(checkBox, store, key, [key](QAbstractButton& box, const SettingsStore& settings) {
        box.setChecked(settings.boolForKey(key));
    });
    QObject::connect(&checkBox, &QAbstractButton::toggled, &store,
                     [&store, key](bool checked) { store.setBool(checked, key); });
}

void bindSpinBox(QSpinBox& spinBox, SettingsStore& store, const QString& key) {
    follow(spinBox, store, key, [key](QSpinBox& box, const SettingsStore& settings) {
        // Read as a double, clamped to the box's range and truncated, as the preferences read
        // it; clamped first, since a double beyond int has no int to become.
        const double value = settings.doubleForKey(key);
        box.setValue(std::isnan(value) ? box.minimum()
                                       : static_cast<int>(std::clamp(value, double(box.minimum()),
                                                                     double(box.maximum()))));
    });
    QObject::connect(&spinBox, &QSpinBox::valueChanged, &store,
                     [&store, key](int value) { store.setInteger(value, key); });
}

void bindComboBox(QComboBox& comboBox, SettingsStore& store, const QString& key) {
    follow(comboBox, store, key, [key](QComboBox& box, const SettingsStore& settings) {
        box.setCurrentIndex(std::max(0, box.findData(settings.objectForKey(key).toString())));
    });
    QObject::connect(&comboBox, &QComboBox::activated, &store, [&comboBox, &store, key](int index) {
        store.setObject(comboBox.itemData(index).toString(), key);
    });
}

void bindStartAtLogin(QAbstractButton& checkBox, SettingsStore& store, WindowActions& actions) {
    bindCheckBox(checkBox, store, AmpraPreferences::kStartAtLogin);
    QObject::connect(&checkBox, &QAbstractButton::clicked, &checkBox,
                     [&actions](bool checked) { actions.setLoginItemEnabled(checked); });
}

} // namespace SettingsBinding
