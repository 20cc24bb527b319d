// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierItem.h"

#include "StatusNotifierItemAdaptor.h"
#include "TrayStatusItemHost.h"

StatusNotifierItem::StatusNotifierItem(TrayStatusItemHost* host) : QObject(host), _host(host) {
    new StatusNotifierItemAdaptor(this);
}

QString StatusNotifierItem::Category() const {
    return QStringLiteral("Hardware");
}

QString StatusNotifierItem::Id() const {
    return QStringLiteral("com.vantrel.Ampra");
}

QString StatusNotifierItem::Title() const {
    return QStringLiteral("Ampra");
}

QString StatusNotifierItem::Status() const {
    return QStringLiteral("Active");
}

StatusNotifierPixmapList StatusNotifierItem::IconPixmap() const {
    return _host->pixmaps();
}

StatusNotifierToolTip StatusNotifierItem::ToolTip() const {
    return {QString(), {}, Title(), _host->title()};
}

// A primary click opens Ampra's window; the menu is the secondary click's.
bool StatusNotifierItem::ItemIsMenu() const {
    return false;
}

QDBusObjectPath StatusNotifierItem::Menu() const {
    return QDBusObjectPath(QString::fromLatin1(TrayStatusItemHost::kMenuPath));
}

QString StatusNotifierItem::XAyatanaLabel() const {
    return _host->label();
}

QString StatusNotifierItem::XAyatanaLabelGuide() const {
    return QString::fromLatin1(TrayStatusItemHost::kLabelGuide);
}

void StatusNotifierItem::Activate(int x, int y) {
    _host->activate({QPoint(x, y), QRect()});
}

// A middle click means nothing to the item.
void StatusNotifierItem::SecondaryActivate(int, int) {}

void StatusNotifierItem::ContextMenu(int x, int y) {
    _host->showContextMenu(QPoint(x, y));
}

void StatusNotifierItem::Scroll(int, const QString&) {}
