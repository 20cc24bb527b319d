// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierItemAdaptor.h"

#include "TrayStatusItemHost.h"

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(TrayStatusItemHost* host)
    : QDBusAbstractAdaptor(host)
    , _host(host) {}

QString StatusNotifierItemAdaptor::Category() const {
    return QStringLiteral("Hardware");
}

QString StatusNotifierItemAdaptor::Id() const {
    return QStringLiteral("com.vantrel.Ampra");
}

QString StatusNotifierItemAdaptor::Title() const {
    return QStringLiteral("Ampra");
}

QString StatusNotifierItemAdaptor::Status() const {
    return QStringLiteral("Active");
}

StatusNotifierPixmapList StatusNotifierItemAdaptor::IconPixmap() const {
    return _host->pixmaps();
}

StatusNotifierToolTip StatusNotifierItemAdaptor::ToolTip() const {
    return {QString(), {}, Title(), _host->title()};
}

// Without a DBusMenu the panel calls ContextMenu, which pops up the host's own menu.
bool StatusNotifierItemAdaptor::ItemIsMenu() const {
    return false;
}

QDBusObjectPath StatusNotifierItemAdaptor::Menu() const {
    return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU"));
}

QString StatusNotifierItemAdaptor::XAyatanaLabel() const {
    return _host->title();
}

QString StatusNotifierItemAdaptor::XAyatanaLabelGuide() const {
    return TrayStatusItemHost::kLabelGuide;
}

void StatusNotifierItemAdaptor::Activate(int x, int y) {
    _host->activate(QPoint(x, y));
}

// A middle click means nothing to the item.
void StatusNotifierItemAdaptor::SecondaryActivate(int, int) {}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y) {
    _host->showContextMenu(QPoint(x, y));
}

void StatusNotifierItemAdaptor::Scroll(int, const QString&) {}
