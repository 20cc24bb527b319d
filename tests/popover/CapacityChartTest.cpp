// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "popover/CapacityChart.h"

#include "persistence/AppPersistance.h"
#include "persistence/BatteryHistory.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "stylekit/AmpraStyleKit.h"
#include "support/PaintedAt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kStart(QDate(2024, 12, 6), QTime(12, 0), Qt::UTC);

// Snapshots every `days` from kStart, the capacity falling by `fall` each time, and calibrations
// that many days after kStart (negative: before it).
struct Records {
    int snapshots;
    int days;
    quint64 fall;
    std::vector<int> calibrationDays;
};

// A store of its own holding the records.
BatteryHistory history(const Records& records) {
    QTemporaryDir dir;
    AppPersistance persistance{nullptr, dir.filePath(u"store"_s)};
    ManagedObjectContext& context = *persistance.managedObjectContext();
    {
        for (int i = 0; i < records.snapshots; ++i) {
            BatteryStatusSnapshot snapshot(context);
            snapshot.setDate(kStart.addDays(qint64(i) * records.days));
            snapshot.setCapacity(4800 - records.fall * quint64(i));
            snapshot.setCycleCount(quint64(100 + i));
        }
        for (int day : records.calibrationDays) {
            Calibration calibration(context);
            calibration.setDate(kStart.addDays(day));
        }
    }
    return *BatteryHistory::fetch(context);
}

TEST(CapacityChartTest, WorksOutRangesTicksAndMarks) {
    const struct {
        int snapshots, days;
        quint64 fall;
        bool calibrated; // before the first snapshot, within and after the last
        std::optional<quint64> design;
        quint64 lowest, highest;
        const char* capacityTicks;
        const char* dateTicks;
        std::optional<qreal> designHeight;
    } rows[] = {
        // Two years, monthly: six-monthly dates; the calibration before the first snapshot is
        // left out, the one after the last stretches the axis.
        {25, 30, 20, true, 5000, 4200, 5000, "4,200|4,400|4,600|4,800|5,000",
         "Jan 2025|Jul 2025|Jan 2026|Jul 2026|Jan 2027", 1.0},
        // Three weeks: weekly dates on Mondays; no design capacity, no reference line.
        {4, 7, 10, false, std::nullopt, 4770, 4800, "4,770|4,780|4,790|4,800",
         "12/9/24|12/16/24|12/23/24", std::nullopt},
        // One snapshot: a day either side and 5 % above and below; a design capacity of 0 is none.
        {1, 1, 0, false, 0, 4400, 5200, "4,400|4,600|4,800|5,000|5,200", "12/6/24|12/7/24",
         std::nullopt},
    };
    for (const auto& row : rows) {
        const Records records{row.snapshots, row.days, row.fall,
                              row.calibrated ? std::vector{-10, 375, 760} : std::vector<int>{}};
        const CapacityChartContent content = CapacityChartContent::forHistory(
            history(records), row.design, QLocale(QLocale::English, QLocale::UnitedStates));
        SCOPED_TRACE(row.snapshots);
        EXPECT_EQ(content.points.size(), size_t(row.snapshots));
        EXPECT_EQ(content.lowestCapacity, row.lowest);
        EXPECT_EQ(content.highestCapacity, row.highest);
        QStringList capacityTicks, dateTicks;
        for (const auto& tick : content.capacityTicks)
            capacityTicks << tick.label;
        for (const auto& tick : content.dateTicks)
            dateTicks << tick.label;
        EXPECT_EQ(capacityTicks.join(u'|'), QLatin1StringView(row.capacityTicks));
        EXPECT_EQ(dateTicks.join(u'|'), QLatin1StringView(row.dateTicks));
        const std::vector<qreal> calibrations =
            row.calibrated ? std::vector{375.0 / 760, 1.0} : std::vector<qreal>{};
        ASSERT_EQ(content.calibrations.size(), calibrations.size());
        for (size_t i = 0; i < calibrations.size(); ++i)
            EXPECT_NEAR(content.calibrations[i], calibrations[i], 1e-9);
        EXPECT_EQ(content.designCapacity, row.designHeight);
        EXPECT_EQ(content.points.front().position.x(), row.snapshots > 1 ? 0 : 0.5);
    }
}

TEST(CapacityChartTest, FindsThePointUnderThePointer) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Points at 0, 0.5 and 1.
    const CapacityChartContent content =
        CapacityChartContent::forHistory(history({3, 10, 5, {}}), 5000, QLocale::c());
    const struct {
        qreal x;
        qreal tolerance;
        std::optional<size_t> point;
    } rows[] = {{-0.05, 0.1, 0}, {0.26, 0.1, std::nullopt}, {0.45, 0.1, 1},
                {0.74, 0.25, 1}, {0.76, 0.25, 2},           {1.2, 0.1, std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(content.pointNear(row.x, row.tolerance), row.point) << row.x;
    EXPECT_EQ(CapacityChart::pointText(content.points[1]),
              u"12/16/24\nCapacity: 4,795 mAh\nCycles: 101"_s);
}

// The line, the marks and the reference line are there, in the kit's colours.
TEST(CapacityChartTest, DrawsTwoYearsCrisplyAtBothScales) {
    CapacityChart chart;
    chart.setHistory(history({730 / 3, 3, 2, {120, 400, 700}}));
    chart.setDesignCapacity(5000);
    ASSERT_FALSE(chart.isHidden());
    EXPECT_TRUE(chart.accessibleDescription().contains(u"3 calibration"_s));
    chart.resize(408, chart.sizeHint().height());
    for (int scale : {1, 2}) {
        const QImage image = paintedAt(chart, scale, AmpraStyleKit::popOverBackgroundColor());
        int line = 0, marks = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                line += pixel == AmpraStyleKit::ringGoodStateColor().rgb();
                marks += pixel == AmpraStyleKit::ringMediumStateColor().rgb();
            }
        }
        EXPECT_GT(line, 200 * scale);
        EXPECT_GT(marks, 3 * 8 * scale * scale);
    }
}

} // namespace
