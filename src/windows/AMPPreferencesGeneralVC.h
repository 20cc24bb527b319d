// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "PopUpEntry.h"

#include <QList>
#include <QObject>

class GlobalConfigurationProvider;
class QComboBox;
class SettingsStore;
class WindowActions;
namespace Ui {
class AMPPreferencesWindow;
}

// The General page: how often to calibrate, start at login, the desktop's power settings.
class AMPPreferencesGeneralVC : public QObject {
    Q_OBJECT

public:
    // Without `configuration` the interval list reads and writes nothing.
    AMPPreferencesGeneralVC(Ui::AMPPreferencesWindow& ui, SettingsStore& store,
                            GlobalConfigurationProvider* configuration, WindowActions& actions,
                            QObject* parent = nullptr);

    void viewWillAppear();
    void scheduleForNextCalibrationPopUpButtonAction(int index);
    void showEnergySaverPreferencesButtonAction();

    QComboBox& calibrationSchedulePopUpButton;
    GlobalConfigurationProvider* const configuration;
    const QList<PopUpEntry> calibrationScheduleTimeList;

private:
    WindowActions& _actions;
};
