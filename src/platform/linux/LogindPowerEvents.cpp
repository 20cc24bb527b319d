// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LogindPowerEvents.h"

#include "LogindManagerProxy.h"
#include "calibration/SystemPowerEventsListener.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>
#include <utility>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.logind");
}

} // namespace

LogindPowerEvents::LogindPowerEvents(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , _bus(std::move(bus))
    , _manager(new LogindManagerProxy(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                      _bus, this)) {}

void LogindPowerEvents::subscribe(SystemPowerEventsListener& listener) {
    const bool subscribed = _listener != nullptr;
    _listener = &listener;
    if (subscribed)
        return;
    if (!_bus.isConnected()) {
        logindFailed(QStringLiteral("no system bus, ") + _bus.lastError().message());
        return;
    }
    connect(_manager, &LogindManagerProxy::PrepareForSleep, this,
            &LogindPowerEvents::prepareForSleep);
    connect(_manager, &LogindManagerProxy::PrepareForShutdown, this,
            &LogindPowerEvents::prepareForShutdown);
    takeInhibitor();
}

void LogindPowerEvents::unsubscribe(SystemPowerEventsListener& listener) {
    if (_listener != &listener)
        return;
    _listener = nullptr;
    disconnect(_manager, nullptr, this, nullptr);
    releaseInhibitor();
}

void LogindPowerEvents::prepareForSleep(bool start) {
    if (start) {
        handleThenRelease(&SystemPowerEventsListener::didReceiveSleepNotification);
    } else if (_listener) {
        takeInhibitor();
        _listener->didReceiveWakeUpNotification();
    }
}

void LogindPowerEvents::prepareForShutdown(bool start) {
    if (start)
        handleThenRelease(&SystemPowerEventsListener::didReceivePowerOffNotification);
    else if (_listener)
        takeInhibitor(); // the shutdown was cancelled: the next one must wait for us again
}

void LogindPowerEvents::handleThenRelease(void (SystemPowerEventsListener::*handler)()) {
    if (!_listener)
        return;
    (_listener->*handler)();
    // Only now, with the listener's state written, may the system go on.
    releaseInhibitor();
}

void LogindPowerEvents::takeInhibitor() {
    _inhibitorWanted = true;
    if (_inhibitor.isValid())
        return;
    auto* pending = new QDBusPendingCallWatcher(
        _manager->Inhibit(QStringLiteral("sleep:shutdown"), QStringLiteral("Ampra"),
                          QStringLiteral("Saving the battery calibration state"),
                          QStringLiteral("delay")),
        this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                // The reply's copy of the descriptor goes with the watcher.
                finished->deleteLater();
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
                if (reply.isError()) {
                    const QDBusError error = reply.error();
                    logindFailed(QStringLiteral("no logind, ") + error.name() +
                                 QStringLiteral(": ") + error.message());
                    return;
                }
                inhibitorTaken(reply.value());
            });
}

void LogindPowerEvents::inhibitorTaken(const QDBusUnixFileDescriptor& inhibitor) {
    // A lock arriving after a release, or a second one, is closed at once.
    if (_inhibitorWanted && !_inhibitor.isValid())
        _inhibitor = inhibitor;
}

void LogindPowerEvents::releaseInhibitor() {
    _inhibitorWanted = false;
    // Closing our copy of the descriptor gives the lock back.
    _inhibitor = QDBusUnixFileDescriptor();
}

void LogindPowerEvents::logindFailed(const QString& reason) {
    if (_failureLogged)
        return;
    _failureLogged = true;
    LOG4CPLUS_WARN(logger(), "Sleep, power-off and wake are not seen: " << reason.toStdString());
}
