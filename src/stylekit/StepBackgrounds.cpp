// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StepBackgrounds.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace AmpraStyleKit {

namespace {

constexpr qreal kLineInset = 26;
constexpr qreal kLineAboveBottom = 17;
constexpr qreal kLineWidth = 2;
constexpr qreal kCornerRadius = 5;

// A tab from the top of the frame down to the line, rounded only at its upper corners; `inset`
// keeps a stroke inside the tab, so that a tab moved out of sight leaves no trace.
QPainterPath tabPath(const QRectF& frame, qreal shift, qreal lineY, qreal inset = 0) {
    const QRectF tab = QRectF(frame.left() + shift, frame.top(), kStepTabWidth, lineY - frame.top())
                           .adjusted(inset, inset, -inset, 0);
    QPainterPath path;
    path.moveTo(tab.bottomLeft());
    path.lineTo(tab.left(), tab.top() + kCornerRadius);
    path.arcTo(QRectF(tab.left(), tab.top(), 2 * kCornerRadius, 2 * kCornerRadius), 180, -90);
    path.lineTo(tab.right() - kCornerRadius, tab.top());
    path.arcTo(
        QRectF(tab.right() - 2 * kCornerRadius, tab.top(), 2 * kCornerRadius, 2 * kCornerRadius),
        90, -90);
    path.lineTo(tab.bottomRight());
    path.closeSubpath();
    return path;
}

QImage drawnImage(const QRectF& frame, int pixelRatio, const std::function<void(QPainter&)>& draw) {
    QImage image((frame.size() * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-frame.topLeft());
    draw(painter);
    return image;
}

} // namespace

void drawCalibrationStepsBackground(QPainter& painter, const QRectF& frame, qreal selectedTabShift,
                                    qreal hoveredTabShift) {
    const QColor& color = navBarBackgroundColor();
    const qreal lineY = frame.bottom() - kLineAboveBottom;
    painter.save();
    painter.fillRect(QRectF(frame.left() + kLineInset, lineY - kLineWidth / 2,
                            frame.width() - 2 * kLineInset, kLineWidth),
                     color);
    painter.fillPath(tabPath(frame, selectedTabShift, lineY), color);
    QPen dashed(color, kLineWidth);
    dashed.setDashPattern({3.0 / kLineWidth, 5.0 / kLineWidth});
    painter.strokePath(tabPath(frame, hoveredTabShift, lineY, kLineWidth / 2), dashed);
    painter.restore();
}

void drawCalibrationStepBackground(QPainter& painter, const QRectF& frame) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(navBarBackgroundColor());
    painter.drawRoundedRect(frame, kCornerRadius, kCornerRadius);
    painter.restore();
}

QImage imageOfCalibrationStepsBackground(const QRectF& frame, qreal selectedTabShift,
                                         qreal hoveredTabShift, int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter) {
        drawCalibrationStepsBackground(painter, frame, selectedTabShift, hoveredTabShift);
    });
}

QImage imageOfCalibrationStepBackground(const QRectF& frame, int pixelRatio) {
    return drawnImage(frame, pixelRatio,
                      [&](QPainter& painter) { drawCalibrationStepBackground(painter, frame); });
}

} // namespace AmpraStyleKit
