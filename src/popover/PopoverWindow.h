// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QWidget>
#include <optional>

// A frameless popup around one view, with an arrow towards the status item it was opened from.
// It closes on a click outside it and on Escape.
class PopoverWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kArrowHeight = 10;
    static constexpr int kArrowWidth = 20;
    static constexpr int kCornerRadius = 6;

    // Takes `content`.
    explicit PopoverWindow(QWidget* content);

    // Shows the popover with its top-left corner at `topLeft` on the screen, or where the window
    // system puts it when none, and the arrow towards `anchor`.
    void showAt(std::optional<QPoint> topLeft, const QPoint& anchor);
    bool arrowUp() const { return _arrowUp; }
    int arrowX() const { return _arrowX; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setArrow(bool up, int x);
    void updateShape();
    QPainterPath outline() const;

    bool _arrowUp = true;
    int _arrowX = 0;
};
