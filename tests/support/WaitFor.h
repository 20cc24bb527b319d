// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <functional>

// Runs the event loop until `condition` holds: D-Bus replies and signals arrive as events. The
// deadline only stops a broken test from hanging.
inline bool waitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(15000); // programs start slowly under the sanitizers
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// Lets every reply already sent to this process be handled: a round trip to the bus daemon comes
// back after them, messages on a connection keeping their order.
inline void settle(const QDBusConnection& bus = QDBusConnection::sessionBus()) {
    bus.interface()->serviceOwner(QStringLiteral("org.freedesktop.DBus"));
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}
