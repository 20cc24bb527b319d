// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>

// One icon size as the StatusNotifierItem protocol carries it: (iiay), ARGB32 pixels in network
// byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;

    static StatusNotifierPixmap fromImage(const QImage& image);

    bool operator==(const StatusNotifierPixmap&) const = default;
};

using StatusNotifierPixmapList = QList<StatusNotifierPixmap>;

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap);

Q_DECLARE_METATYPE(StatusNotifierPixmap)
