// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QVariantList>
#include <memory>

// A python-dbusmock server on the test program's private bus; stopped when the object dies.
class DBusMock {
public:
    enum class Bus { Session, System };

    // A template such as "logind" or "notification_daemon", serving `busName` at `objectPath`,
    // given the template's `parameters` as JSON.
    static std::unique_ptr<DBusMock> fromTemplate(Bus bus, const QString& templateName,
                                                  const QString& busName, const QString& objectPath,
                                                  const QString& parameters = {});
    // The desktop's notification server; `parameters` as for fromTemplate.
    static std::unique_ptr<DBusMock> notificationDaemon(const QString& parameters = {});
    // A bare object to be filled with AddMethod / AddProperties.
    static std::unique_ptr<DBusMock> bare(Bus bus, const QString& busName,
                                          const QString& objectPath, const QString& interface);
    ~DBusMock();

    // Calls a method of org.freedesktop.DBus.Mock on the main object.
    QDBusMessage mock(const QString& method, const QVariantList& arguments = {}) const;
    void emitSignal(const QString& interface, const QString& name, const QString& signature,
                    const QVariantList& arguments) const;
    // The arguments of every recorded call of `method`, oldest first, variants unwrapped; given
    // `atLeast` (0 or more), once there are that many and any calls on their way have arrived.
    QList<QVariantList> methodCalls(const QString& method, qsizetype atLeast = -1) const;

private:
    DBusMock(Bus bus, const QString& busName, const QString& objectPath);
    static std::unique_ptr<DBusMock> start(Bus bus, const QString& busName,
                                           const QString& objectPath, const QStringList& arguments);
    QDBusConnection connection() const;

    Bus _bus;
    QString _busName;
    QString _objectPath;
    QProcess _process;
};
