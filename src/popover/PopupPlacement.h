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
};
