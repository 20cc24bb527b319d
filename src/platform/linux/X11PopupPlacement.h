// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

#include <QRect>

// On X11 a popup goes where the application puts it: under the item (above it when the panel is
// at the bottom), kept inside the available part of the screen the click was on.
class X11PopupPlacement : public PopupPlacement {
public:
    std::optional<QPoint> popupPosition(const StatusItemClick& click,
                                        const QSize& size) const override;

    // The top-left corner for a popup of `size` beside `item`, inside `available`.
    static QPoint place(const QRect& item, const QSize& size, const QRect& available);
};
