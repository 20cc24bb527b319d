// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// The calibration step strip: the line under the six tabs, the filled tab of the current step
// and the dashed outline of the tab under the pointer. Frames and shifts are in points, y down.
namespace AmpraStyleKit {

// The tab markers' width; a shift is the left edge of a marker.
constexpr qreal kStepTabWidth = 50;

void drawCalibrationStepsBackground(QPainter& painter, const QRectF& frame, qreal selectedTabShift,
                                    qreal hoveredTabShift);
void drawCalibrationStepBackground(QPainter& painter, const QRectF& frame);

QImage imageOfCalibrationStepsBackground(const QRectF& frame, qreal selectedTabShift,
                                         qreal hoveredTabShift, int pixelRatio = 1);
QImage imageOfCalibrationStepBackground(const QRectF& frame, int pixelRatio = 1);

} // namespace AmpraStyleKit
