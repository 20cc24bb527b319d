// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DetailScrollArea.h"

#include <QEvent>
#include <QScrollBar>

QSize DetailScrollArea::sizeHint() const {
    if (!widget())
        return {0, 0};
    QSize hint = widget()->sizeHint().expandedTo({0, 0});
    // A scroll bar takes its room beside the view, which must not scroll the other way for it.
    if (hint.height() > maximumHeight())
        hint.rwidth() += verticalScrollBar()->sizeHint().width();
    if (hint.width() > maximumWidth())
        hint.rheight() += horizontalScrollBar()->sizeHint().height();
    return hint;
}

// Without a view the area takes no room at all.
QSize DetailScrollArea::minimumSizeHint() const {
    return {0, 0};
}

// The view inside grows and shrinks (a view opens, the history expands): the summary around it
// must hear of it.
bool DetailScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
