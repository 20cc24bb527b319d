// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QRect>
#include <optional>

// Where the window system lets a popup go.
class PopupPlacement {
public:
    virtual ~PopupPlacement() = default;

    // The part of the screen a popup beside `item` may cover; none where the window system places
    // windows itself, so that a popup cannot be put beside its item.
    virtual std::optional<QRect> availableGeometry(const QRect& item) const = 0;
    // Where the desktop's panel puts status items, when that is known: an opening before any
    // click on the item has told where it is anchors there.
    virtual std::optional<QRect> usualItemPlace() const = 0;
    // Whether a popup's grab misses clicks outside the application's windows, so that a
    // transparent window of its own has to cover the screen beneath the popup.
    virtual bool clicksNeedCover() const = 0;
};
