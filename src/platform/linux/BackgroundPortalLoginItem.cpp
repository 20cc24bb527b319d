// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BackgroundPortalLoginItem.h"

#include "BackgroundPortalProxy.h"
#include "PortalRequestProxy.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.autostart");
}

} // namespace

bool BackgroundPortalLoginItem::isSandboxed() {
    return QFile::exists(QStringLiteral("/.flatpak-info"));
}

BackgroundPortalLoginItem::BackgroundPortalLoginItem(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , _bus(std::move(bus))
    , _portal(new BackgroundPortalProxy(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                        _bus, this)) {}

bool BackgroundPortalLoginItem::setLoginItemEnabled(bool enabled) {
    QVariantMap options{
        //: Why Ampra asks to run in the background, shown by the desktop's permission dialog
        {QStringLiteral("reason"), tr("Ampra watches the battery and reminds you of calibration "
                                      "steps from the moment you log in.")},
        {QStringLiteral("autostart"), enabled},
        {QStringLiteral("commandline"), QStringList{QStringLiteral("ampra")}},
        {QStringLiteral("dbus-activatable"), false}};
    // The answer comes on a request object whose path follows from the token; listening before
    // the call means it cannot be missed.
    const QString token = QStringLiteral("ampra%1").arg(++_requests);
    options.insert(QStringLiteral("handle_token"), token);
    const QString sender = _bus.baseService().mid(1).replace(u'.', u'_');
    auto* request = new PortalRequestProxy(
        QString::fromLatin1(kService),
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token), _bus,
        this);
    connect(request, &PortalRequestProxy::Response, this,
            [this, request](uint code, const QVariantMap& results) {
                request->deleteLater();
                response(code, results);
            });
    auto* pending =
        new QDBusPendingCallWatcher(_portal->RequestBackground(QString(), options), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [request](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (!finished->isError())
                    return;
                request->deleteLater();
                LOG4CPLUS_WARN(logger(), "The Background portal refused: "
                                             << finished->error().message().toStdString());
            });
    return true;
}

void BackgroundPortalLoginItem::response(uint code, const QVariantMap& results) {
    LOG4CPLUS_INFO(logger(), "The Background portal answered "
                                 << code << ", autostart "
                                 << results.value(QStringLiteral("autostart")).toBool());
}
