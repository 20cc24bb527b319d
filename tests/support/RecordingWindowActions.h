// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "windows/WindowActions.h"

#include <QList>
#include <QStringList>

// Records what the windows ask of the application, in order; the battery is there unless told
// otherwise.
class RecordingWindowActions : public WindowActions {
public:
    bool lastRecordReportsNoBattery() const override { return noBattery; }
    void setLoginItemEnabled(bool enabled) override { loginItem.append(enabled); }
    void showEnergySettings() override { asked << QStringLiteral("energy settings"); }
    void sendSupportRequestMail() override { asked << QStringLiteral("support mail"); }
    void sendContactMail() override { asked << QStringLiteral("contact mail"); }
    void popOverToggleRequest() override { asked << QStringLiteral("popover"); }

    bool noBattery = false;
    QList<bool> loginItem;
    QStringList asked;
};
