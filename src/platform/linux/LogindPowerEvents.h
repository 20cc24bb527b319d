// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "calibration/SystemPowerEvents.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

class LogindManagerProxy;

// Sleep, power-off and wake from logind on the system bus. While subscribed it holds a "delay"
// inhibitor, so that the system waits until the listener has written its state: the lock is
// given back only after the listener returned, and taken again after wake. Without a system
// bus or logind that is logged once, and no events come.
class LogindPowerEvents : public QObject, public SystemPowerEvents {
    Q_OBJECT

public:
    static constexpr const char* kService = "org.freedesktop.login1";
    static constexpr const char* kPath = "/org/freedesktop/login1";
    static constexpr const char* kManager = "org.freedesktop.login1.Manager";

    explicit LogindPowerEvents(QDBusConnection bus = QDBusConnection::systemBus(),
                               QObject* parent = nullptr);

    void subscribe(SystemPowerEventsListener& listener) override;
    void unsubscribe(SystemPowerEventsListener& listener) override;

private:
    void prepareForSleep(bool start);
    void prepareForShutdown(bool start);
    void inhibitorTaken(const QDBusUnixFileDescriptor& inhibitor);
    void handleThenRelease(void (SystemPowerEventsListener::*handler)());
    void takeInhibitor();
    void releaseInhibitor();
    void logindFailed(const QString& reason);

    QDBusConnection _bus;
    LogindManagerProxy* _manager;
    SystemPowerEventsListener* _listener = nullptr;
    QDBusUnixFileDescriptor _inhibitor;
    // False between a release and the next take: a lock that arrives then is not kept.
    bool _inhibitorWanted = false;
    bool _failureLogged = false;
};
