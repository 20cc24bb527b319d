// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// The desktop's appearance name: "Light", or another name for a dark panel.
class AppearanceProvider {
public:
    virtual ~AppearanceProvider() = default;

    virtual QString interfaceStyle() const = 0;
};
