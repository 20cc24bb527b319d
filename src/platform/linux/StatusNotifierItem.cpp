// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierItem.h"

#include "StatusNotifierItemIntrospection.h"
#include "StatusNotifierToolTip.h"
#include "TrayStatusItemHost.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString kPropertiesInterface = u"org.freedesktop.DBus.Properties"_s;

using Getter = std::function<QVariant(const TrayStatusItemHost&)>;

Getter fixed(const QVariant& value) {
    return [value](const TrayStatusItemHost&) {
        return value;
    };
}

template <typename T> Getter from(T (TrayStatusItemHost::*getter)() const) {
    return [getter](const TrayStatusItemHost& host) {
        return QVariant::fromValue((host.*getter)());
    };
}

// The item has no overlay, no attention icon and no animation: hosts ask all the same. No window
// of Ampra's stands for the item. A primary click opens Ampra's window; the menu is the secondary
// click's. An empty label is none, so that GetAll leaves it out.
const std::pair<QLatin1StringView, Getter> kProperties[] = {
    {"Category"_L1, fixed(u"Hardware"_s)},
    {"Id"_L1, fixed(u"com.vantrel.Ampra"_s)},
    {"Title"_L1, fixed(u"Ampra"_s)},
    {"Status"_L1, fixed(u"Active"_s)},
    {"WindowId"_L1, fixed(0)},
    {"IconName"_L1, from(&TrayStatusItemHost::iconName)},
    {"IconThemePath"_L1, from(&TrayStatusItemHost::iconFolder)},
    {"IconPixmap"_L1, from(&TrayStatusItemHost::pixmaps)},
    {"OverlayIconName"_L1, fixed(QString())},
    {"OverlayIconPixmap"_L1, fixed(QVariant::fromValue(StatusNotifierPixmapList()))},
    {"AttentionIconName"_L1, fixed(QString())},
    {"AttentionIconPixmap"_L1, fixed(QVariant::fromValue(StatusNotifierPixmapList()))},
    {"AttentionMovieName"_L1, fixed(QString())},
    {"ToolTip"_L1,
     [](const TrayStatusItemHost& host) {
         return QVariant::fromValue(
             StatusNotifierToolTip{QString(), {}, host.toolTip(), host.title()});
     }},
    {"ItemIsMenu"_L1, fixed(false)},
    {"Menu"_L1, fixed(QVariant::fromValue(
                    QDBusObjectPath(QString::fromLatin1(TrayStatusItemHost::kMenuPath))))},
    {"XAyatanaLabel"_L1,
     [](const TrayStatusItemHost& host) {
         return host.label().isEmpty() ? QVariant() : QVariant(host.label());
     }},
    {"XAyatanaLabelGuide"_L1, fixed(QString::fromLatin1(TrayStatusItemHost::kLabelGuide))},
};

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

QVariant StatusNotifierItem::propertyValue(const QString& name) const {
    for (const auto& [property, value] : kProperties)
        if (property == name)
            return value(_host);
    return {};
}

QDBusMessage StatusNotifierItem::answerProperties(const QDBusMessage& message) const {
    const QVariantList arguments = message.arguments();
    const bool ours = arguments.value(0).toString() == QLatin1String(kInterface);
    if (message.member() == u"GetAll" && message.signature() == u"s") {
        QVariantMap all;
        for (const auto& [name, getter] : kProperties)
            if (const QVariant value = getter(_host); ours && value.isValid())
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
