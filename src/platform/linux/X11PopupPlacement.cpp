// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "X11PopupPlacement.h"

#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QScreen>

namespace {

// GNOME Shell's AppIndicator extension puts items left of the system menu: the middle of an item
// with its label is about this far from the screen's right edge.
constexpr int kGnomeShellItemFromRight = 160;
// The top bar's height where the work area does not leave it out.
constexpr int kGnomeShellBarHeight = 32;

} // namespace

X11PopupPlacement::X11PopupPlacement(bool xwayland, QDBusConnection bus)
    : _xwayland(xwayland)
    , _bus(std::move(bus)) {}

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
    if (!screen || !_bus.isConnected() ||
        !_bus.interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell")))
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
