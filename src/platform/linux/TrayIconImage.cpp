// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "TrayIconImage.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

// Smallest text size still worth drawing; a longer title is cut rather than made unreadable.
constexpr qreal kMinimumTextPixels = 7;

// The icon's outline colours, so that text and icon read alike on either panel.
const QColor kDarkPanelText = Qt::white;
const QColor kLightPanelText = QColor::fromRgbF(0.22f, 0.243f, 0.263f, 1.0f);

void drawTitle(QPainter& painter, const QString& title, bool darkPanel, int pixels) {
    QFont font = QGuiApplication::font();
    qreal size = pixels * 0.75;
    font.setPixelSize(qRound(size));
    while (size > kMinimumTextPixels && QFontMetricsF(font).horizontalAdvance(title) > pixels) {
        size -= 1;
        font.setPixelSize(qRound(size));
    }
    painter.setFont(font);
    painter.setPen(darkPanel ? kDarkPanelText : kLightPanelText);
    painter.drawText(QRect(0, 0, pixels, pixels), Qt::AlignCenter, title);
}

} // namespace

QImage TrayIconImage::render(const StatusItemHost::ImageDrawer& drawImage, const QString& title,
                             bool darkPanel, bool highlighted, int pixels) {
    QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setRenderHint(QPainter::Antialiasing);
    if (highlighted) {
        QColor backdrop = QGuiApplication::palette().color(QPalette::Highlight);
        backdrop.setAlpha(96);
        painter.setPen(Qt::NoPen);
        painter.setBrush(backdrop);
        painter.drawRoundedRect(QRectF(0, 0, pixels, pixels), pixels / 5.0, pixels / 5.0);
    }
    if (drawImage) {
        QImage image = drawImage(pixels);
        image.setDevicePixelRatio(1);
        if (image.width() > pixels || image.height() > pixels)
            image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // Whole-pixel offsets keep the drawn lines on the pixel grid.
        painter.drawImage(QPoint((pixels - image.width()) / 2, (pixels - image.height()) / 2),
                          image);
    } else if (!title.isEmpty()) {
        drawTitle(painter, title, darkPanel, pixels);
    }
    return square;
}
