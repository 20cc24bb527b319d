// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "FreedesktopNotificationCenter.h"

#include <QDBusMessage>
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

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , _bus(std::move(bus)) {}

void FreedesktopNotificationCenter::deliver(const QString& title, const QString& subtitle,
                                            bool critical) {
    const Notice notice{title, subtitle, critical};
    if (_bodyMarkup) {
        send(notice);
        return;
    }
    _waiting.append(notice);
    askCapabilities();
}

void FreedesktopNotificationCenter::askCapabilities() {
    if (_asking)
        return;
    _asking = true;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kService), "GetCapabilities");
    auto* pending = new QDBusPendingCallWatcher(_bus.asyncCall(call), this);
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
                for (const Notice& notice : waiting)
                    send(notice);
            });
}

void FreedesktopNotificationCenter::send(const Notice& notice) {
    QVariantMap hints{{"desktop-entry", QString::fromLatin1(kApplicationIcon)}};
    if (notice.critical)
        hints.insert("urgency", QVariant::fromValue(kCriticalUrgency));
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kService), "Notify");
    call << QString::fromLatin1(kApplicationName) << 0u << QString::fromLatin1(kApplicationIcon)
         << notice.title << (*_bodyMarkup ? notice.subtitle.toHtmlEscaped() : notice.subtitle)
         << QStringList() << hints << kDefaultTimeout;
    auto* pending = new QDBusPendingCallWatcher(_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (finished->isError())
                    serverFailed(finished->error());
                else
                    _failureLogged = false;
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
