// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "PopUpEntry.h"

#include <QList>
#include <QObject>

class GlobalConfigurationProvider;
class QComboBox;
class SettingsStore;
namespace Ui {
class AMPPreferencesWindow;
}

// The Notifications page: the unplug reminder, the power-source and low-charge notices.
class AMPPreferencesNotificationsVC : public QObject {
    Q_OBJECT

public:
    // Without `configuration` the reminder list reads and writes nothing.
    AMPPreferencesNotificationsVC(Ui::AMPPreferencesWindow& ui, SettingsStore& store,
                                  GlobalConfigurationProvider* configuration,
                                  QObject* parent = nullptr);

    void viewWillAppear();
    void remindToUnplugPopUpButtonAction(int index);

    QComboBox& remindToUnplugPopUpButton;
    GlobalConfigurationProvider* const configuration;
    const QList<PopUpEntry> workingHoursReminderList;
};
