// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// What the preferences and tutorial windows ask of the rest of the application: the desktop's
// services and the popover, which the ui cannot reach by itself.
class WindowActions {
public:
    virtual ~WindowActions() = default;

    // Whether the latest battery record found no battery; false before the first record.
    virtual bool lastRecordReportsNoBattery() const = 0;
    virtual void setLoginItemEnabled(bool enabled) = 0;
    // The desktop's own power settings; logged when the desktop has none Ampra knows.
    virtual void showEnergySettings() = 0;
    virtual void sendSupportRequestMail() = 0;
    virtual void sendContactMail() = 0;
    virtual void popOverToggleRequest() = 0;
};
