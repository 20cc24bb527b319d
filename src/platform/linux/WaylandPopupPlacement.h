// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

// On Wayland a client cannot put a window at a screen position: the compositor places it, so the
// popover opens as a small window of its own.
class WaylandPopupPlacement : public PopupPlacement {
public:
    std::optional<QRect> availableGeometry(const QRect&) const override { return std::nullopt; }
    std::optional<QRect> usualItemPlace() const override { return std::nullopt; }
    bool clicksNeedCover() const override { return false; }
};
