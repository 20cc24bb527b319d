// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "WebVersionSupport.h"

#include "AppcastItem.h"
#include "calibration/QtTimerProvider.h"

#include <QAction>
#include <QCoreApplication>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

QUrl WebVersionSupport::feedURL() {
    const QString address = qEnvironmentVariableIsSet("AMPRA_APPCAST_URL")
                                ? qEnvironmentVariable("AMPRA_APPCAST_URL")
                                : QStringLiteral(AMPRA_APPCAST_URL);
    if (address.isEmpty())
        return {};
    QUrl url(address);
    if (!AppcastItem::isWebAddress(url)) {
        LOG4CPLUS_WARN(log4cplus::Logger::getInstance("shell.updater"),
                       "Not an http or https address for the update feed, updates are not "
                       "checked: "
                           << address.toStdString());
        return {};
    }
    return url;
}

std::unique_ptr<WebVersionSupport>
WebVersionSupport::create(SettingsStore& settings, const DateProvider& dateProvider,
                          UserNotificationCenter& notificationCenter) {
    const QUrl feed = feedURL();
    return std::make_unique<WebVersionSupport>(
        feed.isEmpty() ? nullptr
                       : std::make_unique<SoftwareUpdater>(
                             feed, QCoreApplication::applicationVersion(), settings, dateProvider,
                             std::make_unique<QtTimerProvider>(), notificationCenter));
}

WebVersionSupport::WebVersionSupport(std::unique_ptr<SoftwareUpdater> updater, QObject* parent)
    : QObject(parent)
    , _updater(std::move(updater)) {
    if (!_updater)
        return;
    _updater->setAutomaticallyChecksForUpdates(true);
    _updater->setUpdateCheckInterval(kUpdateCheckInterval);
}

QAction* WebVersionSupport::checkForUpdateMenuItem(QObject* parent) {
    //: Check for update menu item
    auto* item = new QAction(tr("Check for update..."), parent);
    connect(item, &QAction::triggered, this, &WebVersionSupport::checkForUpdate);
    return item;
}

void WebVersionSupport::checkForUpdate() {
    if (_updater)
        _updater->checkForUpdates();
}
