// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QVariantMap>

// A menu item's properties without its children, as the DBusMenu protocol carries them: (ia{sv}).
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};

using DBusMenuItemList = QList<DBusMenuItem>;

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);

Q_DECLARE_METATYPE(DBusMenuItem)
