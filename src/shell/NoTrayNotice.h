// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class PopoverController;
class SettingsStore;
class StatusItemHost;
class UserNotificationCenter;

// Follows whether a tray shows the item. Without one the user is told once where Ampra is to be
// found; the fact is kept, so that the next starts without a tray stay quiet until a tray has been
// seen again.
class NoTrayNotice {
public:
    static constexpr const char* kNoticeShownKey = "NoTrayNoticeShown";

    NoTrayNotice(StatusItemHost* statusItem, SettingsStore& settings,
                 UserNotificationCenter& notificationCenter, PopoverController& popover);
    ~NoTrayNotice();

private:
    void trayChanged(bool shown);

    StatusItemHost* _statusItem;
    SettingsStore& _settings;
    UserNotificationCenter& _notificationCenter;
    PopoverController& _popover;
};
