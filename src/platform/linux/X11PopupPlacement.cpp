// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "X11PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<QRect> X11PopupPlacement::availableGeometry(const QRect& item) const {
    const QScreen* screen = QGuiApplication::screenAt(item.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry();
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
