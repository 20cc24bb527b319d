// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QAbstractButton>
#include <QColor>
#include <optional>

// A button that draws a summary ring: an arc of `drawingColor` over `drawingPercentage` of the
// ring (a full ring when empty) around `drawingTitle` (the percentage when empty).
class RingButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit RingButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    std::optional<double> drawingPercentage() const { return _drawingPercentage; }
    std::optional<QString> drawingTitle() const { return _drawingTitle; }
    QColor drawingColor() const { return _drawingColor; }
    void setDrawingPercentage(std::optional<double> percentage);
    void setDrawingTitle(std::optional<QString> title);
    void setDrawingColor(const QColor& color);

    // The text in the ring as drawn.
    QString ringText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<double> _drawingPercentage;
    std::optional<QString> _drawingTitle;
    QColor _drawingColor = Qt::transparent;
};
