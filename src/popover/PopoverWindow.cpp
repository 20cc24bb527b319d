// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverWindow.h"

#include "stylekit/AmpraStyleKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

PopoverWindow::PopoverWindow(QWidget* content)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    // The press that closes the popover is not replayed: on the tray icon it would open it again.
    setAttribute(Qt::WA_NoMouseReplay);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(0);
    layout->addWidget(content);
    setFocusProxy(content);
    setArrow(true, 0);
}

void PopoverWindow::showAt(std::optional<QPoint> topLeft, const QPoint& anchor) {
    adjustSize();
    if (topLeft) {
        // Below the item the arrow points up, above it down.
        setArrow(topLeft->y() >= anchor.y(), anchor.x() - topLeft->x());
        move(*topLeft);
    } else {
        setArrow(true, width() / 2);
    }
    show();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void PopoverWindow::setArrow(bool up, int x) {
    _arrowUp = up;
    const int edge = kCornerRadius + kArrowWidth / 2;
    _arrowX = qBound(edge, x, qMax(edge, width() - edge));
    layout()->setContentsMargins(0, up ? kArrowHeight : 0, 0, up ? 0 : kArrowHeight);
    updateShape();
}

// Without a compositor the transparent corners would show black: the mask cuts them away.
void PopoverWindow::updateShape() {
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QPainterPath PopoverWindow::outline() const {
    const QRectF body =
        QRectF(rect()).adjusted(0, _arrowUp ? kArrowHeight : 0, 0, _arrowUp ? 0 : -kArrowHeight);
    QPainterPath path;
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    const qreal base = _arrowUp ? body.top() + 1 : body.bottom() - 1;
    const qreal tip = _arrowUp ? 0 : height();
    QPainterPath arrow;
    arrow.moveTo(_arrowX - kArrowWidth / 2.0, base);
    arrow.lineTo(_arrowX, tip);
    arrow.lineTo(_arrowX + kArrowWidth / 2.0, base);
    arrow.closeSubpath();
    return path.united(arrow);
}

void PopoverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline(), AmpraStyleKit::popOverBackgroundColor());
}

void PopoverWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateShape();
}

void PopoverWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit closed();
}
