// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "CapacityChartContent.h"
#include "calibration/TimerProvider.h"
#include "persistence/BatteryHistory.h"

#include <QWidget>
#include <memory>
#include <optional>

// The full-charge capacity over time above the capacity view's table: the snapshots as a line,
// the design capacity as a dashed line, the calibrations as marks on their dates. The point
// under the pointer, or the one the arrow keys move to, tells its date, capacity and cycles.
class CapacityChart : public QWidget {
    Q_OBJECT

public:
    // `settle` times how long a new width must hold before the history is read for it (none: a
    // Qt timer).
    explicit CapacityChart(QWidget* parent = nullptr, std::unique_ptr<TimerProvider> settle = {});

    // Reads the history from `context` (none: no history), reduced to the chart's columns of
    // pixels, and again when its width changes: at once before it is shown, and once the width
    // has settled while it is. Hidden while the history holds no capacity.
    void setContext(const ManagedObjectContext* context);
    void setDesignCapacity(std::optional<quint64> designCapacity);

    const CapacityChartContent& content() const { return _content; }
    static QString pointText(const CapacityChartContent::Point& point);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The columns of device pixels across the chart.
    int columns() const;
    void load();
    void refresh();
    // Marks `point` (none: no point) and shows its text in a tooltip at `tooltipAt`.
    void select(std::optional<size_t> point, QPoint tooltipAt);
    QRectF plotArea() const;
    void drawAxes(QPainter& painter, const QRectF& plot) const;
    void drawLegend(QPainter& painter, const QRectF& plot) const;
    void drawRecords(QPainter& painter, const QRectF& plot) const;

    std::unique_ptr<TimerProvider> _settle;
    const ManagedObjectContext* _context = nullptr;
    int _loadedColumns = 0;
    BatteryHistory _history;
    std::optional<quint64> _designCapacity;
    CapacityChartContent _content;
    // What a screen reader says of the whole chart.
    QString _summary;
    std::optional<size_t> _hovered;
};
