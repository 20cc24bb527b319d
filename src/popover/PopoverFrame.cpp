// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverFrame.h"

#include <algorithm>

namespace {

// The panel's side is told by the item, not by the popover's size: the popover must not jump
// across the item when a view opens.
bool inBottomPanel(const QRect& item, const QRect& available) {
    return item.center().y() > available.center().y();
}

} // namespace

QSize PopoverFrame::room(const QRect& item, const QRect& available) {
    const int height = inBottomPanel(item, available)
                           ? std::min(item.top(), available.bottom() + 1) - available.top()
                           : available.bottom() + 1 - std::max(item.bottom() + 1, available.top());
    return {available.width(), std::max(height, 0)};
}

PopoverFrame PopoverFrame::place(const QRect& item, const QRect& available, const QSize& size) {
    const QSize fitting = size.boundedTo(room(item, available));
    const bool below = !inBottomPanel(item, available);
    const int left = std::clamp(item.center().x() - fitting.width() / 2, available.left(),
                                available.right() + 1 - fitting.width());
    const int top = below ? std::max(item.bottom() + 1, available.top())
                          : std::min(item.top(), available.bottom() + 1) - fitting.height();
    return {QRect(QPoint(left, top), fitting), below, item.center().x() - left};
}
