// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPRingBackgroundV.h"

#include "stylekit/AmpraStyleKit.h"

#include <QPainter>

void AMPRingBackgroundV::setHovered(bool hovered) {
    _hovered = hovered;
    update();
}

void AMPRingBackgroundV::setSelected(bool selected) {
    _selected = selected;
    repaint();
}

void AMPRingBackgroundV::enterEvent(QEnterEvent*) {
    setHovered(true);
}

void AMPRingBackgroundV::leaveEvent(QEvent*) {
    setHovered(false);
}

void AMPRingBackgroundV::paintEvent(QPaintEvent*) {
    if (!_selected && !_hovered)
        return;
    QPainter(this).fillRect(rect(), _selected ? AmpraStyleKit::ringSelectedBackgroundColor()
                                              : AmpraStyleKit::ringHoveredBackgroundColor());
}
