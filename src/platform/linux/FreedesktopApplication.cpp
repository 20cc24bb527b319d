// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "FreedesktopApplication.h"

#include "FreedesktopApplicationAdaptor.h"
#include "shell/ApplicationActions.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.application");
}

// The running instance may hold the lock and not yet own its name: it is starting.
constexpr std::chrono::seconds kStartingInstanceWait(10);

bool waitForService(QDBusConnection& bus) {
    const QString service = QString::fromLatin1(FreedesktopApplication::kService);
    QDBusServiceWatcher watcher(service, bus, QDBusServiceWatcher::WatchForRegistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(kStartingInstanceWait, &loop, &QEventLoop::quit);
    if (!bus.interface()->isServiceRegistered(service).value())
        loop.exec();
    return bus.interface()->isServiceRegistered(service).value();
}

} // namespace

FreedesktopApplication::FreedesktopApplication(ApplicationActions& actions, QDBusConnection bus)
    : _actions(actions)
    , _bus(std::move(bus)) {
    new FreedesktopApplicationAdaptor(this);
    _published =
        _bus.registerObject(QString::fromLatin1(kPath), this, QDBusConnection::ExportAdaptors) &&
        _bus.registerService(QString::fromLatin1(kService));
    if (!_published)
        LOG4CPLUS_WARN(logger(), "Cannot own " << kService << " on the session bus ("
                                               << _bus.lastError().message().toStdString()
                                               << "): launchers start Ampra anew");
}

FreedesktopApplication::~FreedesktopApplication() {
    if (!_published)
        return;
    _bus.unregisterService(QString::fromLatin1(kService));
    _bus.unregisterObject(QString::fromLatin1(kPath));
}

bool FreedesktopApplication::activateRunningInstance(const QString& action, QDBusConnection bus) {
    if (!bus.isConnected() || !waitForService(bus))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
        action.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("ActivateAction"));
    if (action.isEmpty())
        call << QVariantMap();
    else
        call << action << QVariantList() << QVariantMap();
    // Never start an instance from here: this one is the second.
    call.setAutoStartService(false);
    return bus.call(call).type() == QDBusMessage::ReplyMessage;
}

void FreedesktopApplication::Activate(const QVariantMap&) {
    LOG4CPLUS_INFO(logger(), "Activated: showing the summary");
    _actions.activate();
}

// Ampra opens no files: a launcher that hands it some only wants it shown.
void FreedesktopApplication::Open(const QStringList&, const QVariantMap& platformData) {
    Activate(platformData);
}

void FreedesktopApplication::ActivateAction(const QString& actionName, const QVariantList&,
                                            const QVariantMap&) {
    LOG4CPLUS_INFO(logger(), "Action " << actionName.toStdString() << " asked for");
    if (!_actions.activateAction(actionName))
        LOG4CPLUS_WARN(logger(), "No action " << actionName.toStdString() << ": ignored");
}
