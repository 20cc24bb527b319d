// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusBarIcon.h"

#include <QString>
#include <optional>

// What the status item shows, decided apart from how the tray shows it.
struct StatusBarContent {
    std::optional<StatusBarIcon> icon;
    // None: the image alone.
    std::optional<QString> title;
    // The product's name and the charge and time, whatever the title shows.
    QString toolTip;
    // The panel may tint a template image to suit a dark theme.
    bool isTemplate = false;
};
