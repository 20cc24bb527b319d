// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// The status-bar battery icons.
//
// The icons are drawn into an unflipped space (origin at the bottom left, y growing upward): the
// draw operations expect a painter already set up so, as the image operations do. A frame is in
// points; an image is made at the frame's size times `pixelRatio`, which the caller picks as a
// whole number so that one-point lines stay on whole pixels.
namespace AmpraStyleKit {

void drawVerticalBatteryBlack(QPainter& painter, const QColor& strokeColor, const QColor& fillColor,
                              double chargePercentage, const QRectF& batteryFrameV);
void drawHorizontalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                const QColor& fillColor, double chargePercentage,
                                const QRectF& batteryFrameH);
// A wide battery in a square frame with the charge written across it; the bar behind the figure
// shows the charge too.
void drawBatteryWithPercentage(QPainter& painter, const QColor& strokeColor,
                               const QColor& fillColor, double chargePercentage,
                               const QRectF& frame);
void drawBatteryCharging(QPainter& painter, const QRectF& frame, const QColor& strokeColor);
void drawBatteryChargingH(QPainter& painter, const QRectF& frame, const QColor& strokeColor);

QImage imageOfVerticalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                   const QRectF& batteryFrameV, double chargePercentage,
                                   int pixelRatio = 1);
QImage imageOfHorizontalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                     const QRectF& batteryFrameH, double chargePercentage,
                                     int pixelRatio = 1);
QImage imageOfBatteryWithPercentage(const QColor& strokeColor, const QColor& fillColor,
                                    const QRectF& frame, double chargePercentage,
                                    int pixelRatio = 1);
QImage imageOfBatteryCharging(const QRectF& frame, const QColor& strokeColor, int pixelRatio = 1);
QImage imageOfBatteryChargingH(const QRectF& frame, const QColor& strokeColor, int pixelRatio = 1);

// The image over its own shape grown by `width` pixels in `haloColor`: a halo of the opposite
// lightness keeps an icon visible on a panel of the icon's own lightness.
QImage imageWithHalo(const QImage& image, const QColor& haloColor, int width);

} // namespace AmpraStyleKit
