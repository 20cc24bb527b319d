// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverController.h"

#include "PopupPlacement.h"
#include "statusbar/StatusBarC.h"

PopoverController::PopoverController(StatusBarC& statusBar, const PopupPlacement& placement)
    : _statusBar(statusBar)
    , _placement(placement) {}

void PopoverController::toggle(const StatusItemClick& click) {
    _click = click;
    _statusBar.setState(false);
}

std::optional<QPoint> PopoverController::position(const QSize& size) const {
    return _placement.popupPosition(_click, size);
}
