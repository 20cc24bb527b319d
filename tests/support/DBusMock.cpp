// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DBusMock.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QThread>

namespace {

QVariant unwrapped(const QVariant& value) {
    if (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        return unwrapped(value.value<QDBusVariant>().variant());
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return value;
    const QDBusArgument argument = value.value<QDBusArgument>();
    switch (argument.currentType()) {
    case QDBusArgument::ArrayType: {
        QVariantList items;
        argument.beginArray();
        while (!argument.atEnd())
            items << unwrapped(argument.asVariant());
        argument.endArray();
        return items;
    }
    case QDBusArgument::StructureType: {
        QVariantList fields;
        argument.beginStructure();
        while (!argument.atEnd())
            fields << unwrapped(argument.asVariant());
        argument.endStructure();
        return fields;
    }
    case QDBusArgument::MapType: {
        QVariantMap map;
        argument.beginMap();
        while (!argument.atEnd()) {
            argument.beginMapEntry();
            const QVariant key = unwrapped(argument.asVariant());
            map.insert(key.toString(), unwrapped(argument.asVariant()));
            argument.endMapEntry();
        }
        argument.endMap();
        return map;
    }
    default:
        return unwrapped(argument.asVariant());
    }
}

} // namespace

DBusMock::DBusMock(Bus bus, const QString& busName, const QString& objectPath)
    : _bus(bus)
    , _busName(busName)
    , _objectPath(objectPath) {}

std::unique_ptr<DBusMock> DBusMock::fromTemplate(Bus bus, const QString& templateName,
                                                 const QString& busName,
                                                 const QString& objectPath) {
    std::unique_ptr<DBusMock> mock(new DBusMock(bus, busName, objectPath));
    if (!mock->start({QStringLiteral("-t"), templateName}))
        return nullptr;
    return mock;
}

std::unique_ptr<DBusMock> DBusMock::bare(Bus bus, const QString& busName, const QString& objectPath,
                                         const QString& interface) {
    std::unique_ptr<DBusMock> mock(new DBusMock(bus, busName, objectPath));
    if (!mock->start({busName, objectPath, interface}))
        return nullptr;
    return mock;
}

bool DBusMock::start(const QStringList& arguments) {
    _process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    _process.setStandardOutputFile(QProcess::nullDevice());
    // Debian's python carries dbusmock; another python3 may come first on PATH.
    _process.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                               _bus == Bus::System ? QStringLiteral("--system")
                                                   : QStringLiteral("--session")} +
                       arguments);
    if (!_process.waitForStarted())
        return false;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        // The name may still belong to a mock that is going away: wait for this one's.
        if (connection().interface()->servicePid(_busName).value() == _process.processId())
            return true;
        if (_process.state() != QProcess::Running)
            return false;
        QThread::msleep(20);
    }
    return false;
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

QList<QVariantList> DBusMock::methodCalls(const QString& method) const {
    QList<QVariantList> result;
    const QDBusMessage reply = mock(QStringLiteral("GetMethodCalls"), {method});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    // a(tav): (timestamp, arguments) per call.
    for (const QVariant& call : unwrapped(reply.arguments().first()).toList()) {
        const QVariantList fields = call.toList();
        if (fields.size() == 2)
            result << fields.at(1).toList();
    }
    return result;
}
