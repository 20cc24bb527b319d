// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "X11PopupPlacement.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QScreen>

namespace {

// GNOME Shell's AppIndicator extension puts items left of the system menu: the middle of an item
// with its label is about this far from the screen's right edge.
constexpr int kGnomeShellItemFromRight = 160;
// The top bar's height where the work area does not leave it out.
constexpr int kGnomeShellBarHeight = 32;
const QString kGnomeShell = QStringLiteral("org.gnome.Shell");

} // namespace

X11PopupPlacement::X11PopupPlacement(bool xwayland, const QDBusConnection& bus)
    : _xwayland(xwayland)
    , _gnomeShellWatcher(kGnomeShell, bus, QDBusServiceWatcher::WatchForOwnerChange) {
    if (!bus.isConnected())
        return;
    QObject::connect(&_gnomeShellWatcher, &QDBusServiceWatcher::serviceOwnerChanged,
                     [this](const QString&, const QString&, const QString& owner) {
                         _gnomeShell = !owner.isEmpty();
                     });
    // Changes before the answer come before it, those after it after it: a connection keeps the
    // order of its messages.
    auto* call = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("NameHasOwner"), kGnomeShell),
        &_gnomeShellWatcher);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, &_gnomeShellWatcher,
                     [this](QDBusPendingCallWatcher* answer) {
                         answer->deleteLater();
                         _gnomeShell = QDBusPendingReply<bool>(*answer).value();
                     });
}

std::optional<QRect> X11PopupPlacement::availableGeometry(const QRect& item) const {
    const QScreen* screen = QGuiApplication::screenAt(item.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry();
}

// The extension tells nobody where an item is, and a click on an entry of its menu reaches the
// shell, not the application: its usual place is the best guess.
std::optional<QRect> X11PopupPlacement::usualItemPlace() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !_gnomeShell)
        return std::nullopt;
    const QRect geometry = screen->geometry();
    const int bar = screen->availableGeometry().top() - geometry.top();
    return QRect(geometry.right() - kGnomeShellItemFromRight, geometry.top(), 1,
                 bar > 0 ? bar : kGnomeShellBarHeight);
}

std::optional<QPoint> X11PopupPlacement::anchor(const QPoint& reported,
                                                const std::optional<QPoint>& pointer,
                                                const QList<QRect>& screens) {
    bool onScreen = false;
    for (const QRect& screen : screens) {
        const QRect corner(screen.topLeft(), QSize(64, 64));
        if (corner.contains(reported) && !(pointer && corner.contains(*pointer)))
            return pointer;
        onScreen = onScreen || screen.contains(reported);
    }
    return onScreen ? reported : pointer;
}
