// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPoint>
#include <QRect>

// Where the user clicked the status item, as the tray reports it.
struct StatusItemClick {
    QPoint screenPosition;
    // The item's rectangle on the screen; empty when the tray does not tell it.
    QRect itemGeometry;

    bool operator==(const StatusItemClick&) const = default;
};
