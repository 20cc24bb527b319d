// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

// On Wayland a client cannot put a window at a screen position: the compositor places it.
class WaylandPopupPlacement : public PopupPlacement {
public:
    std::optional<QPoint> popupPosition(const StatusItemClick&, const QSize&) const override {
        return std::nullopt;
    }
};
