// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationStepV.h"

#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"

#include <QAccessible>
#include <QPainter>

AMPCalibrationStepV::AMPCalibrationStepV(QWidget* parent) : QWidget(parent) {
    AccessibleViews::install();
    setFocusPolicy(Qt::ClickFocus);
}

// Tab reaches only the chosen step; the arrow keys move between the steps.
void AMPCalibrationStepV::setChosen(bool chosen) {
    if (_chosen == chosen)
        return;
    _chosen = chosen;
    setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void AMPCalibrationStepV::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), AmpraStyleKit::imageOfCalibrationStepBackground(
                                         rect(), qRound(devicePixelRatioF())));
    if (hasFocus())
        AmpraStyleKit::drawFocusIndicator(painter, rect(), 5);
}
