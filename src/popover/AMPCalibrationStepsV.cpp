// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationStepsV.h"

#include "AMPCalibrationStepsVDelegate.h"
#include "stylekit/AmpraStyleKit.h"

#include <QKeyEvent>
#include <QPainter>

AMPCalibrationStepsV::AMPCalibrationStepsV(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void AMPCalibrationStepsV::setSelectedTabShift(qreal shift) {
    _selectedTabShift = shift;
    update();
}

void AMPCalibrationStepsV::setHoveredTabShift(qreal shift) {
    _hoveredTabShift = shift;
    update();
}

int AMPCalibrationStepsV::indexOfViewAt(const QPoint& position) const {
    for (int index = 0; index < viewsToTrack.size(); ++index) {
        const QWidget* view = viewsToTrack[index];
        if (view->rect().contains(view->mapFrom(this, position)))
            return index;
    }
    return -1;
}

void AMPCalibrationStepsV::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), AmpraStyleKit::imageOfCalibrationStepsBackground(
                                         rect(), _selectedTabShift, _hoveredTabShift,
                                         qRound(devicePixelRatioF())));
}

void AMPCalibrationStepsV::enterEvent(QEnterEvent* event) {
    hoverAt(indexOfViewAt(event->position().toPoint()));
}

void AMPCalibrationStepsV::leaveEvent(QEvent*) {
    stopHovering();
}

// Pointing at another tab without leaving the strip browses to it too.
void AMPCalibrationStepsV::mouseMoveEvent(QMouseEvent* event) {
    const int index = indexOfViewAt(event->position().toPoint());
    if (index != _hoveredIndex)
        hoverAt(index);
}

// The arrow keys browse the tabs as the pointer does; leaving the strip ends browsing.
void AMPCalibrationStepsV::keyPressEvent(QKeyEvent* event) {
    const int last = int(viewsToTrack.size()) - 1;
    const int from = _hoveredIndex < 0 ? 0 : _hoveredIndex;
    switch (event->key()) {
    case Qt::Key_Left:
        hoverAt(qMax(0, _hovered ? from - 1 : from));
        break;
    case Qt::Key_Right:
        hoverAt(qMin(last, _hovered ? from + 1 : from));
        break;
    case Qt::Key_Escape:
        stopHovering();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AMPCalibrationStepsV::focusOutEvent(QFocusEvent* event) {
    if (_hovered && !underMouse())
        stopHovering();
    QWidget::focusOutEvent(event);
}

void AMPCalibrationStepsV::hoverAt(int index) {
    _hovered = true;
    _hoveredIndex = index;
    update();
    if (index >= 0 && stepDelegate)
        stepDelegate->viewDetectHoverOnViewAtIndex(*this, index);
}

void AMPCalibrationStepsV::stopHovering() {
    _hovered = false;
    _hoveredIndex = -1;
    update();
    if (stepDelegate)
        stepDelegate->viewStopHovering(*this);
}
