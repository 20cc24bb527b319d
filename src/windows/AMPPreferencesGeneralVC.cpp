// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPPreferencesGeneralVC.h"

#include "SettingsBinding.h"
#include "WindowActions.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "ui_AMPPreferencesWindow.h"

namespace {

QList<PopUpEntry> calibrationIntervals() {
    constexpr qint64 week = 604800;
    QList<PopUpEntry> entries;
    for (int weeks = 1; weeks <= 6; ++weeks)
        //: Number of weeks to schedule a calibration
        entries.append({AMPPreferencesGeneralVC::tr("%Ln week(s)", nullptr, weeks), weeks * week});
    return entries;
}

} // namespace

AMPPreferencesGeneralVC::AMPPreferencesGeneralVC(Ui::AMPPreferencesWindow& ui, SettingsStore& store,
                                                 GlobalConfigurationProvider* provider,
                                                 WindowActions& actions, QObject* parent)
    : QObject(parent)
    , calibrationSchedulePopUpButton(*ui.calibrationSchedulePopUpButton)
    , configuration(provider)
    , calibrationScheduleTimeList(calibrationIntervals())
    , _actions(actions) {
    PopUpEntry::fill(calibrationSchedulePopUpButton, calibrationScheduleTimeList);
    connect(&calibrationSchedulePopUpButton, &QComboBox::activated, this,
            &AMPPreferencesGeneralVC::scheduleForNextCalibrationPopUpButtonAction);
    connect(&store, &SettingsStore::valueChanged, this, [this](const QString& key) {
        if (key == AmpraPreferences::kNextCalibrationInterval)
            viewWillAppear();
    });
    SettingsBinding::bindStartAtLogin(*ui.startAtLoginCheckBox, store, actions);
    SettingsBinding::bindCheckBox(*ui.liftChargeLimitCheckBox, store,
                                  AmpraPreferences::kLiftChargeLimitForCalibrations);
    connect(ui.energySettingsButton, &QPushButton::clicked, this,
            &AMPPreferencesGeneralVC::showEnergySaverPreferencesButtonAction);
    viewWillAppear();
}

void AMPPreferencesGeneralVC::viewWillAppear() {
    if (configuration)
        PopUpEntry::select(
            calibrationSchedulePopUpButton, calibrationScheduleTimeList,
            static_cast<qint64>(configuration->preferences().timeBetweenCalibrations()));
}

void AMPPreferencesGeneralVC::scheduleForNextCalibrationPopUpButtonAction(int index) {
    if (!configuration || index < 0 || index >= calibrationScheduleTimeList.size())
        return;
    PreferenceProvider& preferences = configuration->preferences();
    const auto value = static_cast<double>(calibrationScheduleTimeList[index].value);
    if (preferences.timeBetweenCalibrations() != value)
        preferences.setTimeBetweenCalibrations(value);
}

void AMPPreferencesGeneralVC::showEnergySaverPreferencesButtonAction() {
    _actions.showEnergySettings();
}
