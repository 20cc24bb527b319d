// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPointer>
#include <QStackedWidget>

class QParallelAnimationGroup;

// Pages that slide sideways when they change. A horizontal swipe on a touchpad or a touch screen
// turns the page; only such turns are reported, as the user's own.
class PagedContainer : public QStackedWidget {
    Q_OBJECT

public:
    explicit PagedContainer(QWidget* parent = nullptr);

    // Slides to the page at `index`; nothing happens for the shown page or an index out of range.
    void slideToIndex(int index);

Q_SIGNALS:
    void didTransitionToIndex(int index);

protected:
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void turnPageBy(int step);

    QPointer<QParallelAnimationGroup> _slide;
    int _wheelTravel = 0;
};
