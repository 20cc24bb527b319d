// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QColor>
#include <QString>

class QPainter;

// The summary's rings.
namespace AmpraStyleKit {

// A ring in a button's space (top-left origin): a 66-point disc at 22, 11 with a 4-point ring
// filled `chargePercentage` clockwise from the top and the text in its middle.
void drawRingButton(QPainter& painter, const QColor& ringColor, double chargePercentage,
                    const QString& ringTextualValue);

} // namespace AmpraStyleKit
