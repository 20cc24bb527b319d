// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/UserNotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <optional>

class NotificationsProxy;
class QDBusError;

// User notifications through org.freedesktop.Notifications on the session bus. The server's
// capabilities are asked once, before the first notification, to know whether the body is read
// as markup. Without a server the notifications are dropped and that is logged once.
class FreedesktopNotificationCenter : public QObject, public UserNotificationCenter {
    Q_OBJECT

public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";
    static constexpr const char* kApplicationName = "Ampra";
    static constexpr const char* kApplicationIcon = "com.vantrel.Ampra";

    explicit FreedesktopNotificationCenter(
        const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    void deliver(const QString& title, const QString& subtitle, bool critical) override;
    void deliverWithAction(const QString& title, const QString& subtitle,
                           const QString& actionTitle, std::function<void()> action) override;

private:
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id);

    struct Notice {
        QString title;
        QString subtitle;
        bool critical = false;
        QString actionTitle;
        std::function<void()> action;
    };

    void enqueue(Notice notice);

    void askCapabilities();
    void send(const Notice& notice);
    void serverFailed(const QDBusError& error);

    NotificationsProxy* _server;
    // Unknown until the server has answered; asked again after a failure, as a server may come.
    std::optional<bool> _bodyMarkup;
    bool _actions = false;
    // The actions of the notifications on screen, by the server's id.
    QHash<uint, std::function<void()>> _pendingActions;
    bool _asking = false;
    QList<Notice> _waiting;
    bool _failureLogged = false;
};
