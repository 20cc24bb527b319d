// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPNoEventsView.h"

#include <QMouseEvent>

void AMPNoEventsView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void AMPNoEventsView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
