// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>

// A panel that keeps mouse presses and releases from the views under it. It takes the keyboard
// focus, so that a screen reader reads its message.
class AMPNoEventsView : public QWidget {
    Q_OBJECT

public:
    explicit AMPNoEventsView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
