// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "statusbar/StatusItemClick.h"

#include <QPoint>
#include <QSize>
#include <optional>

class PopupPlacement;
class StatusBarC;

// Opens and closes the popover from the status item, where the platform lets it go. Until the
// popover's views exist, the item's title and tooltip carry the readings and a toggle only takes
// the highlight off the item.
class PopoverController {
public:
    PopoverController(StatusBarC& statusBar, const PopupPlacement& placement);

    void toggle(const StatusItemClick& click);
    // The top-left corner for a popover of `size` opened by the latest click; none where the
    // window system places it.
    std::optional<QPoint> position(const QSize& size) const;

private:
    StatusBarC& _statusBar;
    const PopupPlacement& _placement;
    StatusItemClick _click;
};
