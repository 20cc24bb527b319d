// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "FreedesktopNotificationCenter.h"

#include "NotificationsProxy.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.notifications");
}

constexpr uchar kCriticalUrgency = 2;
// The server's default display time.
constexpr int kDefaultTimeout = -1;

} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(const QDBusConnection& bus,
                                                             QObject* parent)
    : QObject(parent)
    , _server(new NotificationsProxy(QString::fromLatin1(kService), QString::fromLatin1(kPath), bus,
                                     this)) {
    connect(_server, &NotificationsProxy::ActionInvoked, this,
            &FreedesktopNotificationCenter::actionInvoked);
    connect(_server, &NotificationsProxy::NotificationClosed, this,
            [this](uint id, uint) { notificationClosed(id); });
}

void FreedesktopNotificationCenter::deliver(const QString& title, const QString& subtitle,
                                            bool critical) {
    enqueue({title, subtitle, critical, {}, {}});
}

void FreedesktopNotificationCenter::deliverWithAction(const QString& title, const QString& subtitle,
                                                      const QString& actionTitle,
                                                      std::function<void()> action) {
    enqueue({title, subtitle, false, actionTitle, std::move(action)});
}

void FreedesktopNotificationCenter::actionInvoked(uint id, const QString& actionKey) {
    const auto action = _pendingActions.constFind(id);
    if (action == _pendingActions.cend())
        return; // another application's notification
    LOG4CPLUS_INFO(logger(), "Notification action " << actionKey.toStdString() << " taken");
    (*action)();
}

void FreedesktopNotificationCenter::notificationClosed(uint id) {
    _pendingActions.remove(id);
}

void FreedesktopNotificationCenter::enqueue(Notice notice) {
    if (_bodyMarkup) {
        send(notice);
        return;
    }
    _waiting.append(std::move(notice));
    askCapabilities();
}

void FreedesktopNotificationCenter::askCapabilities() {
    if (_asking)
        return;
    _asking = true;
    auto* pending = new QDBusPendingCallWatcher(_server->GetCapabilities(), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                _asking = false;
                const QDBusPendingReply<QStringList> reply = *finished;
                const QList<Notice> waiting = std::exchange(_waiting, {});
                if (reply.isError()) {
                    serverFailed(reply.error());
                    return;
                }
                _bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
                _actions = reply.value().contains(QStringLiteral("actions"));
                for (const Notice& notice : waiting)
                    send(notice);
            });
}

void FreedesktopNotificationCenter::send(const Notice& notice) {
    QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(kApplicationIcon)}};
    if (notice.critical)
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency));
    // "default" is a click on the notification; the second key makes a button of it as well.
    const bool withAction = _actions && notice.action;
    const QStringList actions = withAction
                                    ? QStringList{QStringLiteral("default"), notice.actionTitle,
                                                  QStringLiteral("action"), notice.actionTitle}
                                    : QStringList();
    auto* pending = new QDBusPendingCallWatcher(
        _server->Notify(QString::fromLatin1(kApplicationName), 0u,
                        QString::fromLatin1(kApplicationIcon), notice.title,
                        *_bodyMarkup ? notice.subtitle.toHtmlEscaped() : notice.subtitle, actions,
                        hints, kDefaultTimeout),
        this);
    connect(
        pending, &QDBusPendingCallWatcher::finished, this,
        [this, action = withAction ? notice.action : nullptr](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            if (finished->isError()) {
                serverFailed(finished->error());
                return;
            }
            _failureLogged = false;
            if (action)
                _pendingActions.insert(QDBusPendingReply<uint>(*finished).value(), action);
        });
}

void FreedesktopNotificationCenter::serverFailed(const QDBusError& error) {
    _bodyMarkup.reset();
    if (_failureLogged)
        return;
    _failureLogged = true;
    LOG4CPLUS_WARN(logger(), "No notification server (" << error.message().toStdString()
                                                        << "): notifications are not shown");
}
