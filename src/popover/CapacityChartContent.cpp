// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CapacityChartContent.h"

#include "persistence/BatteryHistory.h"

#include <QTimeZone>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// More labels do not fit under a popover-wide plot.
constexpr int kMaximumTicks = 5;

// The date axis's steps, finest first: a number of days or of months.
struct DateStep {
    int days;
    int months;
};
constexpr DateStep kDateSteps[] = {{1, 0}, {2, 0}, {7, 0},  {14, 0}, {0, 1},  {0, 2},
                                   {0, 3}, {0, 6}, {0, 12}, {0, 24}, {0, 60}, {0, 120}};

// The days from `first` to `last` on the step's boundaries: whole multiples of the step since
// the Julian day 0, a Monday, or first days of months counted from January of year 0.
std::vector<QDate> tickDates(QDate first, QDate last, DateStep step) {
    std::vector<QDate> dates;
    if (step.days > 0) {
        qint64 day = first.toJulianDay();
        day += (step.days - day % step.days) % step.days;
        for (QDate date = QDate::fromJulianDay(day); date <= last; date = date.addDays(step.days))
            dates.push_back(date);
        return dates;
    }
    int month = first.year() * 12 + first.month() - 1 + (first.day() == 1 ? 0 : 1);
    month += (step.months - month % step.months) % step.months;
    for (QDate date(month / 12, month % 12 + 1, 1); date <= last;
         date = date.addMonths(step.months))
        dates.push_back(date);
    return dates;
}

QString dateLabel(QDate date, DateStep step, const QLocale& locale) {
    if (step.days > 0)
        return locale.toString(date, QLocale::ShortFormat);
    return locale.toString(date, step.months % 12 == 0 ? u"yyyy"_s : u"MMM yyyy"_s);
}

// The range rounded out to the first step of 1, 2 or 5 times a power of ten that gives no more
// than the ticks that fit.
quint64 capacityStep(quint64& lowest, quint64& highest) {
    for (quint64 power = 1;; power *= 10) {
        for (quint64 factor : {1, 2, 5}) {
            const quint64 step = factor * power;
            const quint64 low = lowest / step * step;
            const quint64 high = (highest + step - 1) / step * step;
            if ((high - low) / step < kMaximumTicks) {
                lowest = low;
                highest = high;
                return step;
            }
        }
    }
}

// The capacities the y axis spans: the points' and the design capacity, widened when all are one.
std::pair<quint64, quint64> capacitySpan(const std::vector<CapacityChartContent::Point>& points,
                                         std::optional<quint64> designCapacity) {
    using Point = CapacityChartContent::Point;
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const Point& a, const Point& b) { return a.capacity < b.capacity; });
    quint64 low = lowest->capacity;
    quint64 high = highest->capacity;
    if (designCapacity.value_or(0) > 0) {
        low = std::min(low, *designCapacity);
        high = std::max(high, *designCapacity);
    }
    if (low == high) {
        low -= std::max<quint64>(low / 20, 1);
        high += std::max<quint64>(high / 20, 1);
    }
    return {low, high};
}

// The whole days from `first` to `last` that get a tick, with the smallest step that gives no
// more than kMaximumTicks of them.
std::pair<std::vector<QDate>, DateStep> tickDays(const QDateTime& first, const QDateTime& last) {
    const QDate firstDay = first.time() == QTime(0, 0) ? first.date() : first.date().addDays(1);
    DateStep dateStep = std::end(kDateSteps)[-1];
    std::vector<QDate> days;
    for (const DateStep candidate : kDateSteps) {
        days = tickDates(firstDay, last.date(), candidate);
        dateStep = candidate;
        if (days.size() <= size_t(kMaximumTicks))
            break;
    }
    return {days, dateStep};
}

} // namespace

CapacityChartContent CapacityChartContent::forHistory(const BatteryHistory& history,
                                                      std::optional<quint64> designCapacity,
                                                      const QLocale& locale) {
    CapacityChartContent content;
    // Held once: a conversion to local time asks the C library, which reads the zone file anew.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (const ManagedObject& snapshot : history.snapshots) {
        // A capacity of 0 is a reading the battery did not give.
        if (snapshot.date() && snapshot.capacity().value_or(0) > 0)
            content.points.push_back({snapshot.date()->toTimeZone(zone),
                                      *snapshot.capacity(),
                                      snapshot.cycleCount(),
                                      {}});
    }
    if (content.points.empty())
        return content;

    // The chart starts with the first capacity; calibrations before it are left out.
    content.firstDate = content.points.front().date;
    content.lastDate = content.points.back().date;
    std::vector<QDateTime> calibrationDates;
    for (const ManagedObject& calibration : history.calibrations) {
        if (calibration.date() && *calibration.date() >= content.firstDate)
            calibrationDates.push_back(calibration.date()->toTimeZone(zone));
    }
    if (!calibrationDates.empty())
        content.lastDate = std::max(content.lastDate, calibrationDates.back());
    if (content.firstDate == content.lastDate) {
        content.firstDate = content.firstDate.addDays(-1);
        content.lastDate = content.lastDate.addDays(1);
    }
    const qint64 start = content.firstDate.toMSecsSinceEpoch();
    const double span = double(content.lastDate.toMSecsSinceEpoch() - start);
    const auto x = [&](const QDateTime& date) {
        return double(date.toMSecsSinceEpoch() - start) / span;
    };

    // Variables, not bindings: the step widens them and the lambda below captures them.
    const auto capacities = capacitySpan(content.points, designCapacity);
    quint64 low = capacities.first;
    quint64 high = capacities.second;
    const quint64 step = capacityStep(low, high);
    content.lowestCapacity = low;
    content.highestCapacity = high;
    const auto y = [&](quint64 capacity) {
        return double(capacity - low) / double(high - low);
    };

    for (Point& point : content.points)
        point.position = {x(point.date), y(point.capacity)};
    for (const QDateTime& date : calibrationDates)
        content.calibrations.push_back(x(date));
    if (designCapacity.value_or(0) > 0)
        content.designCapacity = y(*designCapacity);
    for (quint64 capacity = low; capacity <= high; capacity += step)
        content.capacityTicks.push_back({y(capacity), locale.toString(capacity)});

    const auto [days, dateStep] = tickDays(content.firstDate, content.lastDate);
    for (const QDate day : days)
        content.dateTicks.push_back({x(day.startOfDay(zone)), dateLabel(day, dateStep, locale)});
    return content;
}

std::optional<size_t> CapacityChartContent::pointNear(qreal x, qreal tolerance) const {
    const auto after =
        std::lower_bound(points.begin(), points.end(), x, [](const Point& point, qreal value) {
            return point.position.x() < value;
        });
    std::optional<size_t> nearest;
    qreal distance = tolerance;
    for (auto it : {after - (after == points.begin() ? 0 : 1), after}) {
        if (it != points.end() && std::abs(it->position.x() - x) <= distance) {
            distance = std::abs(it->position.x() - x);
            nearest = size_t(it - points.begin());
        }
    }
    return nearest;
}
