// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ExpandCollapseButton.h"

#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"

#include <QAccessible>
#include <QPainter>

using namespace Qt::StringLiterals;

// A resource of a static library is registered by hand.
static void registerExpandCollapseImages() {
    Q_INIT_RESOURCE(expandcollapse);
}

namespace {

QIcon imageNamed(const QString& name) {
    return QIcon(u":/popover/"_s + name + u".svg"_s);
}

} // namespace

ExpandCollapseButton::ExpandCollapseButton(QWidget* parent) : QAbstractButton(parent) {
    registerExpandCollapseImages();
    AccessibleViews::install();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setImagesForOpenBlock(false);
}

void ExpandCollapseButton::setImages(const QString& image, const QString& imageHover) {
    _originalBackgroundImage = imageNamed(image);
    _hoverBackgroundImage = imageNamed(imageHover);
    update();
}

void ExpandCollapseButton::setImagesForOpenBlock(bool open) {
    if (open != _open) {
        _open = open;
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (open)
        setImages(u"CollapseIcon"_s, u"CollapseIconHover"_s);
    else
        setImages(u"ExpandIcon"_s, u"ExpandIconHover"_s);
}

QSize ExpandCollapseButton::sizeHint() const {
    return {20, 20};
}

void ExpandCollapseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int side = qMin(width(), height()) - 4;
    const QRect imageRect(QPoint((width() - side) / 2, (height() - side) / 2), QSize(side, side));
    (_hovered ? _hoverBackgroundImage : _originalBackgroundImage).paint(&painter, imageRect);
    if (hasFocus())
        AmpraStyleKit::drawFocusIndicator(painter, rect(), 3);
}

// Qt reports entering and leaving whether or not the application is active, and follows the
// button's geometry by itself.
void ExpandCollapseButton::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void ExpandCollapseButton::leaveEvent(QEvent* event) {
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

// A button taken away with its block gets no leave event.
void ExpandCollapseButton::hideEvent(QHideEvent* event) {
    setHovered(false);
    QAbstractButton::hideEvent(event);
}

void ExpandCollapseButton::setHovered(bool hovered) {
    if (_hovered == hovered)
        return;
    _hovered = hovered;
    update();
}
