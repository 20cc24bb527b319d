// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusNotifierPixmap.h"

#include <QString>

// The item's tooltip as the StatusNotifierItem protocol carries it: (sa(iiay)ss).
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmapList iconPixmaps;
    QString title;
    QString text;
};

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

Q_DECLARE_METATYPE(StatusNotifierToolTip)
