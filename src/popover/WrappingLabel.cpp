// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "WrappingLabel.h"

#include <QEvent>

WrappingLabel::Layout WrappingLabel::layout() const {
    return {text(), alignment(), margin(), indent(), wordWrap()};
}

int WrappingLabel::heightForWidth(int width) const {
    if (Layout now = layout(); now != _layout) {
        _heights.fill({-1, 0});
        _layout = std::move(now);
    }
    for (const auto& [knownWidth, height] : _heights) {
        if (knownWidth == width)
            return height;
    }
    const int height = QLabel::heightForWidth(width);
    _heights[_next] = {width, height};
    _next = (_next + 1) % _heights.size();
    return height;
}

void WrappingLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        _layout.reset();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}
