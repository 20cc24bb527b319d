// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Battery outlines as fractions of the frame; the terminal's curved edge faces away from the body.
struct Box {
    qreal left, right, bottom, top;
};

struct BatteryShape {
    Box body;
    Box cap;
    bool lying;
    QPolygonF bolt;
};

const BatteryShape kUpright{
    {0.125, 0.875, 0.1125, 0.8375},
    {0.35, 0.65, 0.85, 0.90},
    false,
    QPolygonF(
        {{0.62, 0.76}, {0.30, 0.44}, {0.48, 0.44}, {0.38, 0.19}, {0.70, 0.51}, {0.52, 0.51}})};
// The lying icon's bolt lies too: the upright bolt turned a quarter clockwise, so it fills the
// long body.
const BatteryShape kLying{
    {0.0625, 0.8375, 0.2875, 0.7125},
    {0.85, 0.925, 0.4, 0.6},
    true,
    QPolygonF(
        {{0.74, 0.435}, {0.42, 0.668}, {0.42, 0.537}, {0.17, 0.61}, {0.49, 0.377}, {0.49, 0.508}})};
// A lying battery as wide and tall as a square slot allows, so that two digits fit inside it.
const BatteryShape kWide{{0.0, 0.86, 0.14, 0.86}, {0.89, 0.98, 0.36, 0.64}, true, {}};

// The outline is one point wide in a 22-point frame and grows with the frame, so that a host that
// scales a large pixmap down to its panel still shows a solid line.
qreal lineWidth(const QRectF& frame) {
    return std::max(1.0, std::round(frame.height() / 16));
}

// The middle of a line along an edge at a fraction of the frame: the edge is rounded to a whole
// point and the line lies on the whole points inside it, so that it covers whole pixels. The line's
// outer side stays where a one-point line has it, so a wider line grows into the body.
qreal alignedEdge(qreal origin, qreal length, qreal fraction, qreal width, bool far) {
    const qreal edge = origin + std::floor(length * fraction + 0.5);
    return far ? edge + 1 - width / 2 : edge + width / 2;
}

QRectF between(qreal left, qreal right, qreal bottom, qreal top) {
    return QRectF(left, bottom, right - left, top - bottom);
}

QPointF at(const QRectF& frame, qreal x, qreal y) {
    return {frame.x() + frame.width() * x, frame.y() + frame.height() * y};
}

// A terminal whose top edge is a dome reaching exactly the top: cubic control points a third of
// the dome's depth above the top do that.
QPainterPath domedCap(const QRectF& cap) {
    const qreal depth = cap.height() / 2;
    const qreal shoulder = cap.y() + cap.height() - depth;
    const qreal control = cap.y() + cap.height() + depth / 3;
    QPainterPath path(QPointF(cap.x(), cap.y()));
    path.lineTo(cap.x(), shoulder);
    path.cubicTo(cap.x(), control, cap.x() + cap.width(), control, cap.x() + cap.width(), shoulder);
    path.lineTo(cap.x() + cap.width(), cap.y());
    path.closeSubpath();
    return path;
}

QRectF bodyRect(const QRectF& frame, const BatteryShape& shape) {
    const qreal width = lineWidth(frame);
    return between(alignedEdge(frame.x(), frame.width(), shape.body.left, width, false),
                   alignedEdge(frame.x(), frame.width(), shape.body.right, width, true),
                   alignedEdge(frame.y(), frame.height(), shape.body.bottom, width, false),
                   alignedEdge(frame.y(), frame.height(), shape.body.top, width, true));
}

void drawBody(QPainter& painter, const QRectF& frame, const BatteryShape& shape,
              const QColor& strokeColor) {
    const qreal width = lineWidth(frame);
    painter.setPen(QPen(strokeColor, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bodyRect(frame, shape), width, width);
}

void drawCap(QPainter& painter, const QRectF& frame, const BatteryShape& shape,
             const QColor& strokeColor) {
    const QRectF cap = QRectF(at(frame, shape.cap.left, shape.cap.bottom),
                              at(frame, shape.cap.right, shape.cap.top));
    QPainterPath path;
    if (shape.lying) {
        // The same dome built on the transposed rectangle, then transposed back.
        const QTransform transpose(0, 1, 1, 0, 0, 0);
        path = transpose.map(domedCap(transpose.mapRect(cap)));
    } else {
        path = domedCap(cap);
    }
    painter.fillPath(path, strokeColor);
}

void drawCharging(QPainter& painter, const QRectF& frame, const BatteryShape& shape,
                  const QColor& strokeColor) {
    drawBody(painter, frame, shape, strokeColor);
    drawCap(painter, frame, shape, strokeColor);
    QPolygonF bolt;
    for (const QPointF& point : shape.bolt)
        bolt << at(frame, point.x(), point.y());
    QPainterPath path;
    path.addPolygon(bolt);
    path.closeSubpath();
    painter.fillPath(path, strokeColor);
}

// The figure as an outline filling `box` upright in the unflipped space: bold, as tall as the box
// allows, narrowed rather than shrunk when it is too wide, so that it stays legible at 16 pixels.
QPainterPath figurePath(const QString& figure, const QRectF& box) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, figure);
    const QRectF bounds = glyphs.boundingRect();
    if (bounds.isEmpty())
        return {};
    const qreal yScale = box.height() / bounds.height();
    const qreal xScale = std::min(yScale, box.width() / bounds.width());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(xScale, -yScale); // glyphs grow downward, this space upward
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(glyphs);
}

// An image of the frame's size in a space with the origin at the frame's bottom left, y up.
QImage drawnImage(const QRectF& frame, int pixelRatio,
                  const std::function<void(QPainter&, const QRectF&)>& draw) {
    const int ratio = qMax(1, pixelRatio);
    QImage image((frame.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, frame.height());
    painter.scale(1, -1);
    painter.translate(-frame.topLeft());
    draw(painter, frame);
    return image;
}

} // namespace

namespace AmpraStyleKit {

void drawVerticalBatteryBlack(QPainter& painter, const QColor& strokeColor, const QColor& fillColor,
                              double chargePercentage, const QRectF& batteryFrameV) {
    const QRectF& frame = batteryFrameV;
    // Not clipped: a charge above 100 draws past the body.
    painter.fillRect(QRectF(frame.x() + frame.width() * 0.25, frame.y() + frame.height() * 0.175,
                            frame.width() * 0.5, frame.height() * 0.6 * chargePercentage / 100),
                     fillColor);
    drawBody(painter, frame, kUpright, strokeColor);
    drawCap(painter, frame, kUpright, strokeColor);
}

void drawHorizontalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                const QColor& fillColor, double chargePercentage,
                                const QRectF& batteryFrameH) {
    const QRectF& frame = batteryFrameH;
    drawBody(painter, frame, kLying, strokeColor);
    painter.fillRect(QRectF(frame.x() + frame.width() * 0.125, frame.y() + frame.height() * 0.35,
                            frame.width() * 0.65 * chargePercentage / 100, frame.height() * 0.3),
                     fillColor);
    drawCap(painter, frame, kLying, strokeColor);
}

void drawBatteryWithPercentage(QPainter& painter, const QColor& strokeColor,
                               const QColor& fillColor, double chargePercentage,
                               const QRectF& frame) {
    drawBody(painter, frame, kWide, strokeColor);
    drawCap(painter, frame, kWide, strokeColor);
    // The inside starts where the line ends.
    const qreal half = lineWidth(frame) / 2;
    const QRectF inside = bodyRect(frame, kWide).adjusted(half, half, -half, -half);
    QPainterPath bar;
    bar.addRect(QRectF(
        inside.topLeft(),
        QSizeF(inside.width() * std::clamp(chargePercentage, 0.0, 100.0) / 100, inside.height())));
    // A point of air around the figure keeps it apart from the outline.
    const QPainterPath figure =
        figurePath(QString::number(qint64(chargePercentage)), inside.adjusted(1, 1, -1, -1));
    // The figure is cut out of the bar and drawn in the outline's colour beyond it, so that each
    // part of it stands against the panel or the bar at full contrast.
    painter.fillPath(bar.subtracted(figure), fillColor);
    painter.fillPath(figure.subtracted(bar), strokeColor);
}

void drawBatteryCharging(QPainter& painter, const QRectF& frame, const QColor& strokeColor) {
    drawCharging(painter, frame, kUpright, strokeColor);
}

void drawBatteryChargingH(QPainter& painter, const QRectF& frame, const QColor& strokeColor) {
    drawCharging(painter, frame, kLying, strokeColor);
}

QImage imageOfVerticalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                   const QRectF& batteryFrameV, double chargePercentage,
                                   int pixelRatio) {
    return drawnImage(batteryFrameV, pixelRatio, [&](QPainter& painter, const QRectF& frame) {
        drawVerticalBatteryBlack(painter, strokeColor, fillColor, chargePercentage, frame);
    });
}

QImage imageOfHorizontalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                     const QRectF& batteryFrameH, double chargePercentage,
                                     int pixelRatio) {
    return drawnImage(batteryFrameH, pixelRatio, [&](QPainter& painter, const QRectF& frame) {
        drawHorizontalBatteryBlack(painter, strokeColor, fillColor, chargePercentage, frame);
    });
}

QImage imageOfBatteryWithPercentage(const QColor& strokeColor, const QColor& fillColor,
                                    const QRectF& frame, double chargePercentage, int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter, const QRectF& target) {
        drawBatteryWithPercentage(painter, strokeColor, fillColor, chargePercentage, target);
    });
}

QImage imageOfBatteryCharging(const QRectF& frame, const QColor& strokeColor, int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter, const QRectF& target) {
        drawBatteryCharging(painter, target, strokeColor);
    });
}

QImage imageOfBatteryChargingH(const QRectF& frame, const QColor& strokeColor, int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter, const QRectF& target) {
        drawBatteryChargingH(painter, target, strokeColor);
    });
}

QImage imageWithHalo(const QImage& image, const QColor& haloColor, int width) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int columns = source.width(), rows = source.height();
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    // A round pen: the square of the width plus one takes in the diagonal neighbours at width 1.
    const int reach = width * width + 1;
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < columns; ++x) {
            int alpha = 0;
            for (int dy = std::max(-width, -y); dy <= std::min(width, rows - 1 - y); ++dy) {
                const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y + dy));
                for (int dx = std::max(-width, -x); dx <= std::min(width, columns - 1 - x); ++dx)
                    if (dx * dx + dy * dy <= reach)
                        alpha = std::max(alpha, qAlpha(row[x + dx]));
            }
            line[x] = qPremultiply(qRgba(haloColor.red(), haloColor.green(), haloColor.blue(),
                                         alpha * haloColor.alpha() / 255));
        }
    }
    QPainter painter(&result);
    painter.drawImage(0, 0, source);
    painter.end();
    result.setDevicePixelRatio(image.devicePixelRatio());
    return result;
}

} // namespace AmpraStyleKit
