// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierItem.h"

#include "StatusNotifierItemIntrospection.h"
#include "StatusNotifierToolTip.h"
#include "TrayStatusItemHost.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

using namespace Qt::StringLiterals;

namespace {

const QString kPropertiesInterface = u"org.freedesktop.DBus.Properties"_s;

const QStringList kProperties = {u"Category"_s,
                                 u"Id"_s,
                                 u"Title"_s,
                                 u"Status"_s,
                                 u"WindowId"_s,
                                 u"IconName"_s,
                                 u"IconThemePath"_s,
                                 u"IconPixmap"_s,
                                 u"OverlayIconName"_s,
                                 u"OverlayIconPixmap"_s,
                                 u"AttentionIconName"_s,
                                 u"AttentionIconPixmap"_s,
                                 u"AttentionMovieName"_s,
                                 u"ToolTip"_s,
                                 u"ItemIsMenu"_s,
                                 u"Menu"_s,
                                 u"XAyatanaLabel"_s,
                                 u"XAyatanaLabelGuide"_s};

} // namespace

StatusNotifierItem::StatusNotifierItem(TrayStatusItemHost& host, const QDBusConnection& bus)
    : QDBusVirtualObject(&host)
    , _host(host)
    , _bus(bus) {}

QString StatusNotifierItem::introspect(const QString&) const {
    return QString::fromLatin1(kStatusNotifierItemIntrospection);
}

// Introspection is left to QtDBus, which asks introspect().
bool StatusNotifierItem::handleMessage(const QDBusMessage& message,
                                       const QDBusConnection& connection) {
    if (message.interface() == kPropertiesInterface) {
        connection.send(answerProperties(message));
        return true;
    }
    if (message.interface() != QLatin1String(kInterface) && !message.interface().isEmpty())
        return false;
    if (!call(message)) {
        connection.send(message.createErrorReply(
            QDBusError::UnknownMethod,
            u"No method %1(%2)"_s.arg(message.member(), message.signature())));
        return true;
    }
    connection.send(message.createReply());
    return true;
}

void StatusNotifierItem::emitSignal(const QString& name, const QVariantList& arguments) const {
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(TrayStatusItemHost::kItemPath), QString::fromLatin1(kInterface), name);
    signal.setArguments(arguments);
    _bus.send(signal);
}

// The item has no overlay, no attention icon and no animation: hosts ask all the same. No window
// of Ampra's stands for the item. A primary click opens Ampra's window; the menu is the secondary
// click's.
QVariant StatusNotifierItem::propertyValue(const QString& name) const {
    if (name == u"Category")
        return u"Hardware"_s;
    if (name == u"Id")
        return u"com.vantrel.Ampra"_s;
    if (name == u"Title")
        return u"Ampra"_s;
    if (name == u"Status")
        return u"Active"_s;
    if (name == u"WindowId")
        return 0;
    if (name == u"IconName")
        return _host.iconName();
    if (name == u"IconThemePath")
        return _host.iconFolder();
    if (name == u"IconPixmap")
        return QVariant::fromValue(_host.pixmaps());
    if (name == u"OverlayIconName" || name == u"AttentionIconName" || name == u"AttentionMovieName")
        return QString();
    if (name == u"OverlayIconPixmap" || name == u"AttentionIconPixmap")
        return QVariant::fromValue(StatusNotifierPixmapList());
    if (name == u"ToolTip")
        return QVariant::fromValue(
            StatusNotifierToolTip{QString(), {}, _host.toolTip(), _host.title()});
    if (name == u"ItemIsMenu")
        return false;
    if (name == u"Menu")
        return QVariant::fromValue(
            QDBusObjectPath(QString::fromLatin1(TrayStatusItemHost::kMenuPath)));
    if (name == u"XAyatanaLabel")
        return _host.label().isEmpty() ? QVariant() : QVariant(_host.label());
    if (name == u"XAyatanaLabelGuide")
        return QString::fromLatin1(TrayStatusItemHost::kLabelGuide);
    return {};
}

QDBusMessage StatusNotifierItem::answerProperties(const QDBusMessage& message) const {
    const QVariantList arguments = message.arguments();
    const bool ours = arguments.value(0).toString() == QLatin1String(kInterface);
    if (message.member() == u"GetAll" && message.signature() == u"s") {
        QVariantMap all;
        for (const QString& name : kProperties)
            if (const QVariant value = propertyValue(name); ours && value.isValid())
                all.insert(name, value);
        return message.createReply(QVariant::fromValue(all));
    }
    if (message.member() == u"Get" && message.signature() == u"ss") {
        const QString name = arguments.value(1).toString();
        const QVariant value = ours ? propertyValue(name) : QVariant();
        if (value.isValid())
            return message.createReply(QVariant::fromValue(QDBusVariant(value)));
        return message.createErrorReply(QDBusError::UnknownProperty, u"No property "_s + name);
    }
    return message.createErrorReply(QDBusError::PropertyReadOnly,
                                    u"The item's properties are read-only"_s);
}

// A middle click and the wheel mean nothing to the item.
bool StatusNotifierItem::call(const QDBusMessage& message) {
    const QString member = message.member();
    const QVariantList arguments = message.arguments();
    const QPoint point(arguments.value(0).toInt(), arguments.value(1).toInt());
    if (member == u"Activate" && message.signature() == u"ii")
        _host.activateAt(point);
    else if (member == u"ContextMenu" && message.signature() == u"ii")
        _host.showContextMenu(point);
    else if (!(member == u"SecondaryActivate" && message.signature() == u"ii") &&
             !(member == u"Scroll" && message.signature() == u"is"))
        return false;
    return true;
}
