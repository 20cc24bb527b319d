// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// The drawing kit every view draws with, by name: one header per kind of thing drawn.
#include "BatteryIcons.h"
#include "FocusIndicator.h"
#include "Fonts.h"
#include "Palette.h"
#include "Rings.h"
#include "StepBackgrounds.h"
#include "TextStyles.h"
