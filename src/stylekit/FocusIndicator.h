// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QRectF>

class QPainter;
class QPalette;

// How a control that has the keyboard focus shows it.
namespace AmpraStyleKit {

// A 2-point outline in `focusIndicatorColor` just inside `frame`, its corners rounded at `radius`.
void drawFocusIndicator(QPainter& painter, const QRectF& frame, qreal radius = 4);
// Gives the standard controls of a palette's window the same focus colour.
void applyFocusColor(QPalette& palette);

} // namespace AmpraStyleKit
