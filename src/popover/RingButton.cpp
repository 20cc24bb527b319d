// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "RingButton.h"

#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"

#include <QPainter>

RingButton::RingButton(QWidget* parent) : QAbstractButton(parent) {
    AccessibleViews::install();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Checked while its detail view is open.
    setCheckable(true);
}

QSize RingButton::sizeHint() const {
    // The ring's square at 22, 11 with as much room on the right and below.
    return {110, 88};
}

void RingButton::setDrawingPercentage(std::optional<double> percentage) {
    _drawingPercentage = percentage;
    update();
}

void RingButton::setDrawingTitle(std::optional<QString> title) {
    _drawingTitle = std::move(title);
    update();
}

void RingButton::setDrawingColor(const QColor& color) {
    _drawingColor = color;
    update();
}

QString RingButton::ringText() const {
    return _drawingTitle.value_or(DetailViewTexts::percent(_drawingPercentage.value_or(100) / 100));
}

void RingButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    AmpraStyleKit::drawRingButton(painter, _drawingColor, _drawingPercentage.value_or(100),
                                  ringText());
    // Keyboard users see which ring Space or Enter will open.
    if (hasFocus())
        AmpraStyleKit::drawFocusIndicator(painter, QRectF(19, 8, 72, 72), 36);
}
