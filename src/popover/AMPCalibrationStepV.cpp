// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationStepV.h"

#include "stylekit/AmpraStyleKit.h"

#include <QPainter>

void AMPCalibrationStepV::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), AmpraStyleKit::imageOfCalibrationStepBackground(
                                         rect(), qRound(devicePixelRatioF())));
}
