// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QColor>

// The colours every view uses by name.
namespace AmpraStyleKit {

const QColor& batteryFillColor();
const QColor& fullBatteryFillColor();
const QColor& dischargingFillColor();
const QColor& chargingFillColor();
const QColor& almostEmptyFillColor();
const QColor& mainTitlesTextColors();
const QColor& mainLabelTextColor();
const QColor& mainValuesTextColor();
const QColor& ringHoveredBackgroundColor();
const QColor& ringSelectedBackgroundColor();
const QColor& navBarBackgroundColor();
const QColor& popOverBackgroundColor();
const QColor& ringsBackgroundColor();
const QColor& ringGoodStateColor();
const QColor& ringMediumStateColor();
const QColor& ringBadStateColor();
// The keyboard focus outline: at least 3 : 1 against every background of the views.
const QColor& focusIndicatorColor();

} // namespace AmpraStyleKit
