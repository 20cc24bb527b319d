// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "FocusIndicator.h"

#include "Palette.h"

#include <QPainter>
#include <QPalette>

namespace AmpraStyleKit {

void drawFocusIndicator(QPainter& painter, const QRectF& frame, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(focusIndicatorColor(), 2));
    painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), radius, radius);
    painter.restore();
}

void applyFocusColor(QPalette& palette) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight, focusIndicatorColor());
}

} // namespace AmpraStyleKit
