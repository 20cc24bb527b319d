// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "statusbar/StatusItemClick.h"

#include <QPoint>
#include <QSize>
#include <optional>

// Where the window system lets a popup go.
class PopupPlacement {
public:
    virtual ~PopupPlacement() = default;

    // The top-left corner on the screen for a popup of `size` opened by `click`; none where the
    // window system places popups itself.
    virtual std::optional<QPoint> popupPosition(const StatusItemClick& click,
                                                const QSize& size) const = 0;
};
