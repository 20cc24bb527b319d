// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

#include <QList>
#include <QPoint>
#include <optional>

// On X11 a popup goes where the application puts it: inside the available part of the screen
// the item is on, the panels left out.
class X11PopupPlacement : public PopupPlacement {
public:
    std::optional<QRect> availableGeometry(const QRect& item) const override;

    // Where a click reported without the item's geometry stands for the item. Some hosts report
    // a place that cannot be the item's (MATE sends (0, 25), waybar a place in its own widget):
    // one in a screen's top-left 64 by 64 pixels while the pointer is elsewhere, or on no screen,
    // gives way to the pointer, which has just clicked the item. None when the pointer is not
    // known either.
    static std::optional<QPoint> anchor(const QPoint& reported,
                                        const std::optional<QPoint>& pointer,
                                        const QList<QRect>& screens);
};
