// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "windows/WindowActions.h"

#include <QList>

// Records what the windows ask of the application; the battery is there unless told otherwise.
class RecordingWindowActions : public WindowActions {
public:
    bool lastRecordReportsNoBattery() const override { return noBattery; }
    void setLoginItemEnabled(bool enabled) override { loginItem.append(enabled); }
    void showEnergySettings() override { ++energySettings; }
    void sendSupportRequestMail() override { ++supportMails; }
    void sendContactMail() override { ++contactMails; }
    void popOverToggleRequest() override { ++popOverToggles; }

    bool noBattery = false;
    QList<bool> loginItem;
    int energySettings = 0;
    int supportMails = 0;
    int contactMails = 0;
    int popOverToggles = 0;
};
