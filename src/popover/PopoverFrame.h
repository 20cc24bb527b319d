// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QRect>
#include <QSize>

// Where the popover goes beside its status item: under an item in a top panel with the arrow up,
// over one in a bottom panel with the arrow down, and always inside the screen's available part.
struct PopoverFrame {
    QRect frame;
    bool arrowUp = true;
    // Where the arrow points, from the frame's left edge.
    int arrowX = 0;

    // The largest popover that fits between the item's panel and the far edge of `available`.
    static QSize room(const QRect& item, const QRect& available);
    // A popover of `size`, cut down to the room, beside `item`.
    static PopoverFrame place(const QRect& item, const QRect& available, const QSize& size);

    bool operator==(const PopoverFrame&) const = default;
};
