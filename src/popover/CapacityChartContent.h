// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

struct BatteryHistory;

// What the capacity chart shows, worked out from the records apart from the widget that draws
// it. Positions are fractions of the plot: x from its left edge, y from its bottom edge.
struct CapacityChartContent {
    struct Point {
        QDateTime date;
        quint64 capacity = 0;
        std::optional<quint64> cycleCount;
        QPointF position;
    };
    struct Tick {
        qreal position = 0;
        QString label;
    };

    // The axes' ranges.
    QDateTime firstDate;
    QDateTime lastDate;
    quint64 lowestCapacity = 0;
    quint64 highestCapacity = 0;
    // The snapshots with a date and a capacity, oldest first.
    std::vector<Point> points;
    // Where the dated calibrations stand on the x axis, oldest first.
    std::vector<qreal> calibrations;
    // The height of the design capacity's line, when it is known.
    std::optional<qreal> designCapacity;
    std::vector<Tick> dateTicks;
    std::vector<Tick> capacityTicks;

    // Dates are told and labelled in local time; labels follow `locale`.
    static CapacityChartContent forHistory(const BatteryHistory& history,
                                           std::optional<quint64> designCapacity,
                                           const QLocale& locale);

    // The point nearest to x, when it is no farther than `tolerance` from it.
    std::optional<size_t> pointNear(qreal x, qreal tolerance) const;
};
