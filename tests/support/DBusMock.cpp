// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DBusMock.h"

#include "WaitFor.h"

#include <QThread>

DBusMock::DBusMock(Bus bus, const QString& busName, const QString& objectPath)
    : _bus(bus)
    , _busName(busName)
    , _objectPath(objectPath) {}

std::unique_ptr<DBusMock> DBusMock::fromTemplate(Bus bus, const QString& templateName,
                                                 const QString& busName, const QString& objectPath,
                                                 const QString& parameters) {
    QStringList arguments{QStringLiteral("-t"), templateName};
    if (!parameters.isEmpty())
        arguments << QStringLiteral("-p") << parameters;
    return start(bus, busName, objectPath, arguments);
}

std::unique_ptr<DBusMock> DBusMock::notificationDaemon(const QString& parameters) {
    return fromTemplate(Bus::Session, QStringLiteral("notification_daemon"),
                        QStringLiteral("org.freedesktop.Notifications"),
                        QStringLiteral("/org/freedesktop/Notifications"), parameters);
}

std::unique_ptr<DBusMock> DBusMock::bare(Bus bus, const QString& busName, const QString& objectPath,
                                         const QString& interface) {
    return start(bus, busName, objectPath, {busName, objectPath, interface});
}

std::unique_ptr<DBusMock> DBusMock::start(Bus bus, const QString& busName,
                                          const QString& objectPath, const QStringList& arguments) {
    std::unique_ptr<DBusMock> mock(new DBusMock(bus, busName, objectPath));
    QProcess& process = mock->_process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    // Debian's python carries dbusmock; another python3 may come first on PATH.
    process.start(
        QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                    bus == Bus::System ? QStringLiteral("--system") : QStringLiteral("--session")} +
            arguments);
    if (!process.waitForStarted())
        return nullptr;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        // The name may still belong to a mock that is going away: wait for this one's.
        if (mock->connection().interface()->servicePid(busName).value() == process.processId())
            return mock;
        if (process.state() != QProcess::Running)
            return nullptr;
        QThread::msleep(20);
    }
    return nullptr;
}

DBusMock::~DBusMock() {
    _process.terminate();
    if (!_process.waitForFinished(3000))
        _process.kill();
    _process.waitForFinished();
}

QDBusConnection DBusMock::connection() const {
    return _bus == Bus::System ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

QDBusMessage DBusMock::mock(const QString& method, const QVariantList& arguments) const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        _busName, _objectPath, QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    return connection().call(call);
}

void DBusMock::emitSignal(const QString& interface, const QString& name, const QString& signature,
                          const QVariantList& arguments) const {
    mock(QStringLiteral("EmitSignal"),
         {interface, name, signature, QVariant::fromValue(arguments)});
}

QList<QVariantList> DBusMock::methodCalls(const QString& method, qsizetype atLeast) const {
    if (atLeast >= 0) {
        waitFor([&] { return methodCalls(method).size() >= atLeast; });
        settle(connection());
    }
    QList<QVariantList> result;
    const QDBusMessage reply = mock(QStringLiteral("GetMethodCalls"), {method});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    // a(tav): (timestamp, arguments) per call; dictionaries among the arguments become maps.
    const auto calls = reply.arguments().first().value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 timestamp = 0;
        QVariantList arguments;
        calls.beginStructure();
        calls >> timestamp >> arguments;
        calls.endStructure();
        for (QVariant& argument : arguments)
            if (argument.userType() == qMetaTypeId<QDBusArgument>())
                argument = qdbus_cast<QVariantMap>(argument);
        result << arguments;
    }
    calls.endArray();
    return result;
}
