// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

// On X11 a popup goes where the application puts it: inside the available part of the screen
// the item is on, the panels left out.
class X11PopupPlacement : public PopupPlacement {
public:
    std::optional<QRect> availableGeometry(const QRect& item) const override;
};
