// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QList>
#include <QWidget>

class AMPCalibrationStepsVDelegate;

// The strip of the six step tabs. It draws the tab markers behind them and tells its delegate
// which tab the user points at, with the mouse or with the arrow keys.
class AMPCalibrationStepsV : public QWidget {
    Q_OBJECT

public:
    explicit AMPCalibrationStepsV(QWidget* parent = nullptr);

    qreal selectedTabShift() const { return _selectedTabShift; }
    void setSelectedTabShift(qreal shift);
    qreal hoveredTabShift() const { return _hoveredTabShift; }
    void setHoveredTabShift(qreal shift);
    bool hovered() const { return _hovered; }

    // The index of the tracked view under `position` (in this view's coordinates), or -1.
    int indexOfViewAt(const QPoint& position) const;
    // A tab lost the keyboard focus.
    void tabLostFocus();

    AMPCalibrationStepsVDelegate* stepDelegate = nullptr; // not owned
    QList<QWidget*> viewsToTrack;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hoverAt(int index);
    void stopHovering();

    qreal _selectedTabShift = 0;
    qreal _hoveredTabShift = 100;
    bool _hovered = false;
    int _hoveredIndex = -1;
};
