// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "stylekit/AppearanceProvider.h"

// A desktop whose appearance the test sets.
class FixedAppearance : public AppearanceProvider {
public:
    QString style = "Light";
    QString interfaceStyle() const override { return style; }
};
