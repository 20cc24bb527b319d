// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "Rings.h"

#include "Fonts.h"
#include "Palette.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace AmpraStyleKit {

void drawRingButton(QPainter& painter, const QColor& ringColor, double chargePercentage,
                    const QString& ringTextualValue) {
    // The disc keeps its place whatever the button's size: the layouts are built around it.
    const QRectF square(22, 11, 66, 66);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(0.793f, 0.793f, 0.793f));
    painter.drawEllipse(square);
    // Qt counts angles anticlockwise in sixteenths of a degree.
    painter.setBrush(ringColor);
    painter.drawPie(square, 90 * 16, -qRound(chargePercentage * 3.6 * 16));
    painter.setBrush(QColor::fromRgbF(0.942f, 0.942f, 0.942f));
    painter.drawEllipse(square.center(), 29, 29);
    QFont font = namedFont(QStringLiteral("AvenirNextCondensed-Medium"), 16);
    // A point of the layouts is a device-independent pixel. The value grows with a desktop font
    // set larger than usual, as far as the disc has room.
    const qreal growth = std::clamp(QGuiApplication::font().pointSizeF() / 10, 1.0, 1.4);
    font.setPixelSize(qRound(font.pointSizeF() * growth));
    painter.setFont(font);
    painter.setPen(mainTitlesTextColors());
    painter.drawText(square, Qt::AlignCenter, ringTextualValue);
    painter.restore();
}

} // namespace AmpraStyleKit
