// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPNoEventsView.h"

#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"

#include <QMouseEvent>
#include <QPainter>

AMPNoEventsView::AMPNoEventsView(QWidget* parent) : QWidget(parent) {
    AccessibleViews::install();
    setFocusPolicy(Qt::TabFocus);
}

void AMPNoEventsView::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    AmpraStyleKit::drawFocusIndicator(painter, rect());
}

void AMPNoEventsView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void AMPNoEventsView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
