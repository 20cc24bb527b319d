// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PagedContainer.h"

#include <QGestureEvent>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSwipeGesture>
#include <QWheelEvent>

namespace {

constexpr int kSlideMilliseconds = 250;
// A deliberate sideways swipe, not a wobble of a vertical scroll.
constexpr int kWheelTravelPerPage = 120;

} // namespace

PagedContainer::PagedContainer(QWidget* parent) : QStackedWidget(parent) {
    grabGesture(Qt::SwipeGesture);
}

void PagedContainer::slideToIndex(int index) {
    const int from = currentIndex();
    if (index == from || index < 0 || index >= count())
        return;
    if (_slide)
        _slide->setCurrentTime(_slide->totalDuration());
    if (!isVisible() || from < 0) {
        setCurrentIndex(index);
        return;
    }
    // The leaving page slides out as a picture while the new page slides in beside it.
    auto* leaving = new QLabel(this);
    leaving->setPixmap(currentWidget()->grab());
    leaving->setGeometry(rect());
    setCurrentIndex(index);
    leaving->show();
    leaving->raise();
    const int direction = index > from ? 1 : -1;
    QWidget* entering = currentWidget();
    _slide = new QParallelAnimationGroup(this);
    const std::pair<QWidget*, std::pair<QPoint, QPoint>> moves[] = {
        {leaving, {QPoint(0, 0), QPoint(-direction * width(), 0)}},
        {entering, {QPoint(direction * width(), 0), QPoint(0, 0)}}};
    for (const auto& [widget, path] : moves) {
        auto* move = new QPropertyAnimation(widget, "pos", _slide);
        move->setDuration(kSlideMilliseconds);
        move->setEasingCurve(QEasingCurve::OutCubic);
        move->setStartValue(path.first);
        move->setEndValue(path.second);
        _slide->addAnimation(move);
    }
    connect(_slide, &QAbstractAnimation::finished, leaving, &QObject::deleteLater);
    _slide->start(QAbstractAnimation::DeleteWhenStopped);
}

bool PagedContainer::event(QEvent* event) {
    if (event->type() == QEvent::Gesture) {
        auto* swipe = static_cast<QSwipeGesture*>(
            static_cast<QGestureEvent*>(event)->gesture(Qt::SwipeGesture));
        if (swipe && swipe->state() == Qt::GestureFinished) {
            if (swipe->horizontalDirection() == QSwipeGesture::Left)
                turnPageBy(1);
            else if (swipe->horizontalDirection() == QSwipeGesture::Right)
                turnPageBy(-1);
        }
        return true;
    }
    return QStackedWidget::event(event);
}

// A touchpad's two-finger swipe arrives as horizontal scrolling.
void PagedContainer::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (qAbs(delta.x()) <= qAbs(delta.y())) {
        QStackedWidget::wheelEvent(event);
        return;
    }
    event->accept();
    _wheelTravel += delta.x();
    if (qAbs(_wheelTravel) < kWheelTravelPerPage)
        return;
    // Content follows the fingers: moving them to the left brings the next page.
    turnPageBy(_wheelTravel < 0 ? 1 : -1);
    _wheelTravel = 0;
}

void PagedContainer::turnPageBy(int step) {
    const int index = currentIndex() + step;
    if (index < 0 || index >= count())
        return;
    slideToIndex(index);
    Q_EMIT didTransitionToIndex(index);
}
