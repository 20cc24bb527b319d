// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>

// A panel that keeps mouse presses and releases from the views under it.
class AMPNoEventsView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
