// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>

// The background behind one ring: lighter under the pointer, darker while its detail view is open.
class AMPRingBackgroundV : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    bool hovered() const { return _hovered; }
    bool selected() const { return _selected; }
    void setHovered(bool hovered);
    void setSelected(bool selected);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool _hovered = false;
    bool _selected = false;
};
