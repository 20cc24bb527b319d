// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraStyleKit.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// Shadow level as the colour toolkits define it: a mix toward black.
QColor shadowed(const QColor& color, qreal level) {
    return QColor::fromRgbF(color.redF() * (1 - level), color.greenF() * (1 - level),
                            color.blueF() * (1 - level), color.alphaF());
}

// "AvenirNext-DemiBold" is the family "Avenir Next" in the style "Demi Bold": compared without
// spaces and case so that the PostScript name finds the fontconfig family and style.
QString squeezed(const QString& name) {
    QString result = name.toLower();
    result.remove(QLatin1Char(' '));
    return result;
}

std::optional<QFont> installedFont(const QString& postScriptName, qreal size) {
    const QString wantedFamily = squeezed(postScriptName.section(QLatin1Char('-'), 0, 0));
    const QString wantedStyle = squeezed(postScriptName.section(QLatin1Char('-'), 1));
    for (const QString& family : QFontDatabase::families()) {
        if (squeezed(family) != wantedFamily)
            continue;
        for (const QString& style : QFontDatabase::styles(family)) {
            if (squeezed(style) != wantedStyle)
                continue;
            QFont font = QFontDatabase::font(family, style, 12);
            font.setPointSizeF(size);
            return font;
        }
    }
    return std::nullopt;
}

QFont namedFont(const QString& postScriptName, qreal size) {
    if (auto font = installedFont(postScriptName, size))
        return *font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    fallback.setPointSizeF(12);
    return fallback;
}

using Paragraph = StyledText::Paragraph;

StyledText styled(const QString& value, std::optional<QFont> font, const QColor& color,
                  std::optional<Paragraph> paragraph, qreal kern = 0) {
    StyledText result;
    result.text = value;
    result.hasAttributes = true;
    result.font = std::move(font);
    result.foregroundColor = color;
    result.paragraph = paragraph;
    result.kern = kern;
    return result;
}

// A style that names a family directly gives the bare text when the family is missing.
StyledText styledInFamily(const QString& value, const QString& postScriptName, qreal size,
                          const QColor& color, std::optional<Paragraph> paragraph, qreal kern = 0) {
    auto font = installedFont(postScriptName, size);
    if (!font) {
        StyledText bare;
        bare.text = value;
        return bare;
    }
    return styled(value, font, color, paragraph, kern);
}

constexpr Paragraph left(qreal lineHeight) {
    return {Qt::AlignLeft, lineHeight};
}
constexpr Paragraph centred(qreal lineHeight) {
    return {Qt::AlignHCenter, lineHeight};
}
constexpr Paragraph justified(qreal lineHeight) {
    return {Qt::AlignJustify, lineHeight};
}

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

// An edge at a fraction of the frame, rounded to a whole point and moved by half a point, so that
// a one-point line covers whole pixels.
qreal alignedEdge(qreal origin, qreal length, qreal fraction) {
    return origin + std::floor(length * fraction + 0.5) + 0.5;
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

void drawBody(QPainter& painter, const QRectF& frame, const BatteryShape& shape,
              const QColor& strokeColor) {
    const QRectF body = between(alignedEdge(frame.x(), frame.width(), shape.body.left),
                                alignedEdge(frame.x(), frame.width(), shape.body.right),
                                alignedEdge(frame.y(), frame.height(), shape.body.bottom),
                                alignedEdge(frame.y(), frame.height(), shape.body.top));
    painter.setPen(QPen(strokeColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 1, 1);
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

const QColor& AmpraStyleKit::batteryFillColor() {
    static const QColor color = QColor::fromRgbF(0.321f, 0.812f, 0.092f, 1);
    return color;
}

const QColor& AmpraStyleKit::fullBatteryFillColor() {
    static const QColor color = [] {
        const QColor base = batteryFillColor();
        return QColor::fromHsvF(base.hsvHueF(), base.hsvSaturationF(), 0.9f, base.alphaF());
    }();
    return color;
}

const QColor& AmpraStyleKit::dischargingFillColor() {
    static const QColor color = QColor::fromRgbF(1.0f, 0.519f, 0.0f, 1);
    return color;
}

const QColor& AmpraStyleKit::chargingFillColor() {
    static const QColor color = shadowed(batteryFillColor(), 0.1);
    return color;
}

const QColor& AmpraStyleKit::almostEmptyFillColor() {
    static const QColor color = [] {
        const QColor base = batteryFillColor();
        return QColor::fromHsvF(0.0f, base.hsvSaturationF(), base.valueF(), base.alphaF());
    }();
    return color;
}

const QColor& AmpraStyleKit::mainTitlesTextColors() {
    static const QColor color = QColor::fromRgbF(0.285f, 0.285f, 0.285f, 1);
    return color;
}

const QColor& AmpraStyleKit::mainLabelTextColor() {
    static const QColor color = QColor::fromRgbF(0.356f, 0.356f, 0.356f, 1);
    return color;
}

const QColor& AmpraStyleKit::mainValuesTextColor() {
    static const QColor color = QColor::fromRgbF(0, 0, 0, 1);
    return color;
}

const QColor& AmpraStyleKit::ringHoveredBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.957f, 0.957f, 0.957f, 1);
    return color;
}

const QColor& AmpraStyleKit::ringSelectedBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.884f, 0.884f, 0.884f, 0.848f);
    return color;
}

const QColor& AmpraStyleKit::navBarBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.912f, 0.912f, 0.912f, 1);
    return color;
}

const QColor& AmpraStyleKit::popOverBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.851f, 0.851f, 0.851f, 1);
    return color;
}

const QColor& AmpraStyleKit::ringsBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.928f, 0.928f, 0.928f, 1);
    return color;
}

const QColor& AmpraStyleKit::ringGoodStateColor() {
    static const QColor color = QColor::fromRgbF(0.502f, 0.734f, 0.345f, 1);
    return color;
}

const QColor& AmpraStyleKit::ringMediumStateColor() {
    static const QColor color = QColor::fromRgbF(0.989f, 0.547f, 0.173f, 1);
    return color;
}

const QColor& AmpraStyleKit::ringBadStateColor() {
    static const QColor color = QColor::fromRgbF(0.912f, 0.147f, 0.273f, 1);
    return color;
}

QFont AmpraStyleKit::basicLabelFont(qreal size) {
    return namedFont(QStringLiteral("AvenirNext-Regular"), size);
}

QFont AmpraStyleKit::basicValueFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 12);
}

QFont AmpraStyleKit::HelpTitleFont() {
    return namedFont(QStringLiteral("AvenirNext-DemiBold"), 10);
}

QFont AmpraStyleKit::HelpTextFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 10);
}

QFont AmpraStyleKit::StepsInformationFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 10);
}

StyledText AmpraStyleKit::appTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("Montserrat-Regular"), 12, mainTitlesTextColors(),
                          std::nullopt, 2);
}

StyledText AmpraStyleKit::ringTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 11, mainTitlesTextColors(),
                          centred(14));
}

StyledText AmpraStyleKit::basicLabelAttributedStringWithValue(const QString& value) {
    return styled(value, basicLabelFont(12), mainLabelTextColor(), left(14));
}

StyledText AmpraStyleKit::stepTitleAttributedStringWithValue(const QString& value) {
    return styled(value, basicLabelFont(10), mainLabelTextColor(), centred(14));
}

StyledText AmpraStyleKit::basicValueAttributedStringWithValue(const QString& value) {
    return styled(value, basicValueFont(), mainValuesTextColor(), left(14));
}

StyledText AmpraStyleKit::StepsInformationAttributedStringWithValue(const QString& value) {
    return styled(value, StepsInformationFont(), mainValuesTextColor(), left(14));
}

StyledText AmpraStyleKit::helpTitleAttributedStringWithValue(const QString& value) {
    return styled(value, HelpTitleFont(), mainLabelTextColor(), left(12));
}

StyledText AmpraStyleKit::helpTextAttributedStringWithValue(const QString& value) {
    return styled(value, HelpTextFont(), mainLabelTextColor(), left(12));
}

StyledText AmpraStyleKit::tableTextAttributedStringWithValue(const QString& value) {
    return styled(value, std::nullopt, mainLabelTextColor(), Paragraph{Qt::AlignHCenter, 0});
}

StyledText AmpraStyleKit::tableTitleAttributedStringWithValue(const QString& value) {
    return styled(value, std::nullopt, QGuiApplication::palette().color(QPalette::ButtonText),
                  Paragraph{Qt::AlignHCenter, 0});
}

StyledText AmpraStyleKit::tutorialTextAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 13, mainTitlesTextColors(),
                          justified(16));
}

StyledText AmpraStyleKit::tutorialTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 16, mainTitlesTextColors(),
                          justified(18));
}

void AmpraStyleKit::drawVerticalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                             const QColor& fillColor, double chargePercentage,
                                             const QRectF& batteryFrameV) {
    const QRectF& frame = batteryFrameV;
    // Not clipped: a charge above 100 draws past the body.
    painter.fillRect(QRectF(frame.x() + frame.width() * 0.25, frame.y() + frame.height() * 0.175,
                            frame.width() * 0.5, frame.height() * 0.6 * chargePercentage / 100),
                     fillColor);
    drawBody(painter, frame, kUpright, strokeColor);
    drawCap(painter, frame, kUpright, strokeColor);
}

void AmpraStyleKit::drawHorizontalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                               const QColor& fillColor, double chargePercentage,
                                               const QRectF& batteryFrameH) {
    const QRectF& frame = batteryFrameH;
    drawBody(painter, frame, kLying, strokeColor);
    painter.fillRect(QRectF(frame.x() + frame.width() * 0.125, frame.y() + frame.height() * 0.35,
                            frame.width() * 0.65 * chargePercentage / 100, frame.height() * 0.3),
                     fillColor);
    drawCap(painter, frame, kLying, strokeColor);
}

void AmpraStyleKit::drawBatteryCharging(QPainter& painter, const QRectF& frame,
                                        const QColor& strokeColor) {
    drawCharging(painter, frame, kUpright, strokeColor);
}

void AmpraStyleKit::drawBatteryChargingH(QPainter& painter, const QRectF& frame,
                                         const QColor& strokeColor) {
    drawCharging(painter, frame, kLying, strokeColor);
}

QImage AmpraStyleKit::imageOfVerticalBatteryBlack(const QColor& strokeColor,
                                                  const QColor& fillColor,
                                                  const QRectF& batteryFrameV,
                                                  double chargePercentage, int pixelRatio) {
    return drawnImage(batteryFrameV, pixelRatio, [&](QPainter& painter, const QRectF& frame) {
        drawVerticalBatteryBlack(painter, strokeColor, fillColor, chargePercentage, frame);
    });
}

QImage AmpraStyleKit::imageOfHorizontalBatteryBlack(const QColor& strokeColor,
                                                    const QColor& fillColor,
                                                    const QRectF& batteryFrameH,
                                                    double chargePercentage, int pixelRatio) {
    return drawnImage(batteryFrameH, pixelRatio, [&](QPainter& painter, const QRectF& frame) {
        drawHorizontalBatteryBlack(painter, strokeColor, fillColor, chargePercentage, frame);
    });
}

QImage AmpraStyleKit::imageOfBatteryCharging(const QRectF& frame, const QColor& strokeColor,
                                             int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter, const QRectF& target) {
        drawBatteryCharging(painter, target, strokeColor);
    });
}

QImage AmpraStyleKit::imageOfBatteryChargingH(const QRectF& frame, const QColor& strokeColor,
                                              int pixelRatio) {
    return drawnImage(frame, pixelRatio, [&](QPainter& painter, const QRectF& target) {
        drawBatteryChargingH(painter, target, strokeColor);
    });
}
