// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationStepsV.h"

#include "AMPCalibrationStepsVDelegate.h"
#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

AMPCalibrationStepsV::AMPCalibrationStepsV(QWidget* parent) : QWidget(parent) {
    AccessibleViews::install();
    setMouseTracking(true);
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

// The arrow keys browse the tabs as the pointer does, from the tab with the focus, and take the
// focus along so that a screen reader says the step. Escape ends browsing and still reaches the
// popover, which closes.
void AMPCalibrationStepsV::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int last = int(viewsToTrack.size()) - 1;
    if (key == Qt::Key_Escape && _hovered)
        stopHovering();
    if ((key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Home &&
         key != Qt::Key_End) ||
        last < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    int from = int(viewsToTrack.indexOf(focusWidget()));
    if (from < 0)
        from = indexOfViewAt(QPoint(qRound(_selectedTabShift) + 1, viewsToTrack[0]->y() + 1));
    const int to = key == Qt::Key_Home  ? 0
                   : key == Qt::Key_End ? last
                                        : qBound(0, from + (key == Qt::Key_Left ? -1 : 1), last);
    hoverAt(to);
    viewsToTrack[to]->setFocus(Qt::OtherFocusReason);
}

// Browsing by keyboard ends when the focus leaves the strip, unless the pointer still browses.
void AMPCalibrationStepsV::tabLostFocus() {
    if (_hovered && !underMouse() && !isAncestorOf(QApplication::focusWidget()))
        stopHovering();
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
