// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "NoTrayNotice.h"

#include "NoticeTexts.h"
#include "UserNotificationCenter.h"
#include "persistence/SettingsStore.h"
#include "popover/PopoverController.h"
#include "statusbar/StatusItemHost.h"

NoTrayNotice::NoTrayNotice(StatusItemHost* statusItem, SettingsStore& settings,
                           UserNotificationCenter& notificationCenter, PopoverController& popover)
    : _statusItem(statusItem)
    , _settings(settings)
    , _notificationCenter(notificationCenter)
    , _popover(popover) {
    if (_statusItem)
        _statusItem->setTrayHandler([this](bool shown) { trayChanged(shown); });
}

// The item belongs to the platform, which outlives this object.
NoTrayNotice::~NoTrayNotice() {
    if (_statusItem)
        _statusItem->setTrayHandler({});
}

void NoTrayNotice::trayChanged(bool shown) {
    const QString key = QString::fromLatin1(kNoticeShownKey);
    // Without a tray the summary has no item to hang from: it opens as a window.
    _popover.setTrayShown(shown);
    if (shown) {
        _settings.removeObjectForKey(key);
        return;
    }
    if (_settings.boolForKey(key))
        return;
    const NoticeTexts::Notice notice = NoticeTexts::noTray();
    _notificationCenter.deliver(notice.title, notice.subtitle, false);
    _settings.setBool(true, key);
}
