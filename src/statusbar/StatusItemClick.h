// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

// Where the user clicked the status item, as the tray reports it.
struct StatusItemClick {
    // None when neither the tray nor the pointer tells where the item is.
    std::optional<QPoint> screenPosition;
    // The item's rectangle on the screen; empty when the tray does not tell it.
    QRect itemGeometry;

    bool operator==(const StatusItemClick&) const = default;
};
