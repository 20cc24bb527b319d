// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LogindPowerEvents.h"

#include "calibration/SystemPowerEventsListener.h"

#include <QDBusError>
#include <QDBusMessage>
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
    , _bus(std::move(bus)) {}

void LogindPowerEvents::subscribe(SystemPowerEventsListener& listener) {
    const bool subscribed = _listener != nullptr;
    _listener = &listener;
    if (subscribed)
        return;
    if (!_bus.isConnected()) {
        logindFailed("no system bus, " + _bus.lastError().message());
        return;
    }
    connectSignals(true);
    takeInhibitor();
}

void LogindPowerEvents::unsubscribe(SystemPowerEventsListener& listener) {
    if (_listener != &listener)
        return;
    _listener = nullptr;
    if (_bus.isConnected())
        connectSignals(false);
    releaseInhibitor();
}

void LogindPowerEvents::connectSignals(bool connect) {
    static const std::pair<const char*, const char*> kSignals[] = {
        {"PrepareForSleep", SLOT(prepareForSleep(bool))},
        {"PrepareForShutdown", SLOT(prepareForShutdown(bool))}};
    const QString service = QString::fromLatin1(kService);
    const QString path = QString::fromLatin1(kPath);
    const QString manager = QString::fromLatin1(kManager);
    for (const auto& [name, slot] : kSignals) {
        if (connect)
            _bus.connect(service, path, manager, name, this, slot);
        else
            _bus.disconnect(service, path, manager, name, this, slot);
    }
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
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kManager), "Inhibit");
    call << QString("sleep:shutdown") << QString("Ampra")
         << QString("Saving the battery calibration state") << QString("delay");
    // A reply delivered to a slot is dropped right after it, with its copy of the descriptor.
    _bus.callWithCallback(call, this, SLOT(inhibitorTaken(QDBusMessage)),
                          SLOT(inhibitFailed(QDBusError)));
}

void LogindPowerEvents::inhibitorTaken(const QDBusMessage& reply) {
    const auto inhibitor = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    // A lock arriving after a release, or a second one, is closed at once.
    if (_inhibitorWanted && !_inhibitor.isValid())
        _inhibitor = inhibitor;
}

void LogindPowerEvents::inhibitFailed(const QDBusError& error) {
    logindFailed("no logind, " + error.name() + ": " + error.message());
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
