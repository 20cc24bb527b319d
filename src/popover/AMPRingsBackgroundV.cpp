// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPRingsBackgroundV.h"

#include "stylekit/AmpraStyleKit.h"

#include <QPainter>

void AMPRingsBackgroundV::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), AmpraStyleKit::ringsBackgroundColor());
}
