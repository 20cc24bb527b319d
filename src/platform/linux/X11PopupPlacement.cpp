// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "X11PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<QPoint> X11PopupPlacement::popupPosition(const StatusItemClick& click,
                                                       const QSize& size) const {
    // Without the item's geometry the click point stands for the item.
    const QRect item = click.itemGeometry.isEmpty() ? QRect(click.screenPosition, QSize(1, 1))
                                                    : click.itemGeometry;
    const QScreen* screen = QGuiApplication::screenAt(item.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return place(item, size, screen ? screen->availableGeometry() : QRect(item.topLeft(), size));
}

QPoint X11PopupPlacement::place(const QRect& item, const QSize& size, const QRect& available) {
    QPoint corner(item.center().x() - size.width() / 2, item.bottom() + 1);
    if (corner.y() + size.height() > available.bottom() + 1)
        corner.setY(item.top() - size.height());
    // A popup larger than the screen keeps its top-left corner on it.
    corner.setX(qMax(available.left(), qMin(corner.x(), available.right() + 1 - size.width())));
    corner.setY(qMax(available.top(), qMin(corner.y(), available.bottom() + 1 - size.height())));
    return corner;
}
