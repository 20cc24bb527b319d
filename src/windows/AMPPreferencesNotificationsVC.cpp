// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPPreferencesNotificationsVC.h"

#include "SettingsBinding.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "ui_AMPPreferencesWindow.h"

namespace {

QList<PopUpEntry> reminderIntervals() {
    constexpr qint64 hour = 3600;
    //: The user does not want to be reminded to unplug the laptop
    QList<PopUpEntry> entries{{AMPPreferencesNotificationsVC::tr("Don't remind me"), 0}};
    for (int hours = 20; hours <= 40; hours += 5)
        entries.append(
            //: Hours on mains power before the reminder to unplug
            {AMPPreferencesNotificationsVC::tr("%Ln hour(s)", nullptr, hours), hours * hour});
    return entries;
}

} // namespace

AMPPreferencesNotificationsVC::AMPPreferencesNotificationsVC(Ui::AMPPreferencesWindow& ui,
                                                             SettingsStore& store,
                                                             GlobalConfigurationProvider* provider,
                                                             QObject* parent)
    : QObject(parent)
    , remindToUnplugPopUpButton(*ui.remindToUnplugPopUpButton)
    , configuration(provider)
    , workingHoursReminderList(reminderIntervals()) {
    PopUpEntry::fill(remindToUnplugPopUpButton, workingHoursReminderList);
    connect(&remindToUnplugPopUpButton, &QComboBox::activated, this,
            &AMPPreferencesNotificationsVC::remindToUnplugPopUpButtonAction);
    connect(&store, &SettingsStore::valueChanged, this, [this](const QString& key) {
        if (key == AmpraPreferences::kRemaindToUnplug ||
            key == AmpraPreferences::kWorkingHoursWarningInterval)
            viewWillAppear();
    });
    SettingsBinding::bindCheckBox(*ui.notifyOnPowerCordCheckBox, store,
                                  AmpraPreferences::kNotifyOnPowerCord);
    SettingsBinding::bindCheckBox(*ui.notifyOnSelectedChargeCheckBox, store,
                                  AmpraPreferences::kNotifyOnSelectedCharge);
    SettingsBinding::bindSpinBox(*ui.notificationChargeSpinBox, store,
                                 AmpraPreferences::kNotificationCharge);
    // The level means nothing while its notice is off.
    ui.notificationChargeSpinBox->setEnabled(ui.notifyOnSelectedChargeCheckBox->isChecked());
    connect(ui.notifyOnSelectedChargeCheckBox, &QCheckBox::toggled, ui.notificationChargeSpinBox,
            &QSpinBox::setEnabled);
    viewWillAppear();
}

void AMPPreferencesNotificationsVC::viewWillAppear() {
    if (!configuration)
        return;
    const PreferenceProvider& preferences = configuration->preferences();
    if (!preferences.remindToUnplug())
        remindToUnplugPopUpButton.setCurrentIndex(0);
    else
        PopUpEntry::select(remindToUnplugPopUpButton, workingHoursReminderList,
                           static_cast<qint64>(preferences.workingHoursWarningInterval()));
}

void AMPPreferencesNotificationsVC::remindToUnplugPopUpButtonAction(int index) {
    if (!configuration || index < 0 || index >= workingHoursReminderList.size())
        return;
    PreferenceProvider& preferences = configuration->preferences();
    // The interval stays as it is, for when the reminder is turned on again.
    if (index == 0) {
        preferences.setRemindToUnplug(false);
        return;
    }
    preferences.setRemindToUnplug(true);
    const auto value = static_cast<double>(workingHoursReminderList[index].value);
    if (preferences.workingHoursWarningInterval() != value)
        preferences.setWorkingHoursWarningInterval(value);
}
