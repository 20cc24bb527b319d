// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/LoginItem.h"

#include <QDBusConnection>
#include <QObject>

class BackgroundPortalProxy;

// Inside a Flatpak sandbox the autostart folder is not the desktop's: the Background portal
// asks the desktop to start Ampra at login. Its answer comes later and is only logged.
class BackgroundPortalLoginItem : public QObject, public LoginItem {
    Q_OBJECT

public:
    static constexpr const char* kService = "org.freedesktop.portal.Desktop";
    static constexpr const char* kPath = "/org/freedesktop/portal/desktop";
    static constexpr const char* kInterface = "org.freedesktop.portal.Background";

    // True when Ampra runs inside a Flatpak sandbox.
    static bool isSandboxed();

    explicit BackgroundPortalLoginItem(QDBusConnection bus = QDBusConnection::sessionBus(),
                                       QObject* parent = nullptr);

    bool setLoginItemEnabled(bool enabled) override;

private:
    void response(uint code, const QVariantMap& results);

    QDBusConnection _bus;
    BackgroundPortalProxy* _portal;
    int _requests = 0;
};
