// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

// `widget` as a screen of `scale` pixels per point shows it; on `background` when given, in place
// of its own, as a child shows on its parent.
inline QImage paintedAt(QWidget& widget, int scale, std::optional<QColor> background = {}) {
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(background.value_or(Qt::transparent));
    widget.render(&image, {}, {},
                  background ? QWidget::DrawChildren
                             : QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}
