// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusBarIcon.h"

#include "stylekit/AmpraStyleKit.h"

#include <QPainter>
#include <algorithm>

QSizeF StatusBarIcon::frameSize() const {
    switch (kind) {
    case Kind::verticalBattery:
        return {11, 22};
    case Kind::charging:
        return {16, 22};
    default:
        return {22, 22};
    }
}

QByteArray StatusBarIcon::drawnFrom() const {
    QByteArray text = QByteArray::number(int(kind)) + ' ' +
                      QByteArray::number(quint64(strokeColor.rgba64()), 16) + ' ' +
                      QByteArray::number(quint64(haloColor.rgba64()), 16);
    // The bolt shows neither a fill nor the charge.
    if (kind != Kind::charging && kind != Kind::chargingH)
        text += ' ' + QByteArray::number(quint64(fillColor.rgba64()), 16) + ' ' +
                QByteArray::number(chargePercentage);
    return text;
}

QImage StatusBarIcon::draw(int pixels) const {
    QImage image = drawFrame(QRectF(QPointF(0, 0), frameSize() * (pixels / 22.0)));
    if (!haloColor.isValid())
        return image;
    // As wide as the outline, so that it survives a host scaling the largest picture down.
    const int width = std::max(1, qRound(pixels / 16.0));
    // Room for the halo beside a narrow battery, as far as the slot has it.
    const int marginX = std::clamp((pixels - image.width()) / 2, 0, width);
    const int marginY = std::clamp((pixels - image.height()) / 2, 0, width);
    QImage room(image.width() + 2 * marginX, image.height() + 2 * marginY,
                QImage::Format_ARGB32_Premultiplied);
    room.fill(Qt::transparent);
    QPainter painter(&room);
    painter.drawImage(marginX, marginY, image);
    painter.end();
    return AmpraStyleKit::imageWithHalo(room, haloColor, width);
}

QImage StatusBarIcon::drawFrame(const QRectF& frame) const {
    switch (kind) {
    case Kind::verticalBattery:
        return AmpraStyleKit::imageOfVerticalBatteryBlack(strokeColor, fillColor, frame,
                                                          double(chargePercentage));
    case Kind::horizontalBattery:
        return AmpraStyleKit::imageOfHorizontalBatteryBlack(strokeColor, fillColor, frame,
                                                            double(chargePercentage));
    case Kind::charging:
        return AmpraStyleKit::imageOfBatteryCharging(frame, strokeColor);
    case Kind::chargingH:
        return AmpraStyleKit::imageOfBatteryChargingH(frame, strokeColor);
    case Kind::percentage:
        return AmpraStyleKit::imageOfBatteryWithPercentage(strokeColor, fillColor, frame,
                                                           chargePercentage);
    }
    return {};
}
