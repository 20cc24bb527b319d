// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/ManagedObjectContext.h"

#include "StoreTestSupport.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "support/LogCapture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QDateTime kDay = QDateTime::fromMSecsSinceEpoch(1764958381123, Qt::UTC);
constexpr quint64 kMax = std::numeric_limits<quint64>::max(); // beyond SQLite's signed range
using Capacities = std::vector<std::optional<quint64>>;

class ManagedObjectContextTest : public testing::Test {
protected:
    ManagedObjectContext* open() {
        persistance = std::make_unique<AppPersistance>(nullptr, folder, &presenter);
        return persistance->managedObjectContext();
    }
    void snapshot(const std::optional<QDateTime>& date, std::optional<quint64> capacity) {
        BatteryStatusSnapshot record(*persistance->managedObjectContext());
        record.setDate(date);
        record.setCapacity(capacity);
    }
    static Capacities capacities(const std::vector<ManagedObject>& records) {
        Capacities result;
        for (const ManagedObject& record : records)
            result.push_back(record.capacity());
        return result;
    }
    Capacities newestCapacities(int limit = 0) {
        return capacities(records(BatteryStatusSnapshot::kEntityName, limit));
    }
    std::vector<ManagedObject> records(const QString& entity, int limit = 0) {
        return *persistance->managedObjectContext()->fetchNewest(entity, limit);
    }

    QTemporaryDir dir;
    QString folder = dir.filePath("com.vantrel.Ampra"); // created on opening
    QString storeFile = folder + "/" + AppPersistance::kStoreFileName;
    RecordingErrorPresenter presenter;
    std::unique_ptr<AppPersistance> persistance;
};

TEST_F(ManagedObjectContextTest, FetchesSeeUnsavedInsertsNewestFirstAndSavedOnesAfterReopening) {
    ManagedObjectContext* context = open();
    EXPECT_FALSE(context->hasChanges());
    snapshot(kDay.addDays(-2), 2);
    snapshot(std::nullopt, std::nullopt);
    snapshot(kDay, kMax);
    snapshot(kDay.addDays(-2), 1); // same date: the newer insert comes first
    Calibration calibration(*context);
    calibration.setDate(kDay.addDays(-1));
    calibration.setCycleCount(0);
    EXPECT_TRUE(context->hasChanges());
    EXPECT_EQ(newestCapacities(2), (Capacities{kMax, 1}));
    EXPECT_EQ(newestCapacities(), (Capacities{kMax, 1, 2, std::nullopt})); // no date: last
    ASSERT_TRUE(context->save());
    EXPECT_FALSE(context->hasChanges());

    // Unsaved records fall in among the saved ones by date; equal dates: newest insert first.
    snapshot(kDay.addDays(-3), 20);
    snapshot(kDay, 30);
    EXPECT_EQ(newestCapacities(3), (Capacities{30, kMax, 1}));
    EXPECT_EQ(newestCapacities(), (Capacities{30, kMax, 1, 2, 20, std::nullopt}));

    context = open(); // unsaved inserts go with the old context, as at quit
    EXPECT_EQ(newestCapacities(), (Capacities{kMax, 1, 2, std::nullopt}));
    EXPECT_EQ(records(BatteryStatusSnapshot::kEntityName).back().date(), std::nullopt);
    const auto calibrations = records(Calibration::kEntityName, 1);
    ASSERT_EQ(calibrations.size(), 1u);
    EXPECT_EQ(calibrations[0].entityName(), Calibration::kEntityName);
    EXPECT_EQ(calibrations[0].date(), kDay.addDays(-1)); // to the millisecond
    EXPECT_EQ(calibrations[0].cycleCount(), 0u);
    EXPECT_EQ(calibrations[0].capacity(), std::nullopt);
    EXPECT_TRUE(presenter.errors.empty());

    LogCapture log("helpers.persistance");
    ManagedObject saved = calibrations[0];
    saved.setCapacity(1); // saved records are not changed
    EXPECT_EQ(saved.capacity(), std::nullopt);
    EXPECT_FALSE(context->hasChanges());
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(ManagedObjectContextTest, FailedSaveWritesNothingAndKeepsTheRecordsForTheNextSave) {
    ManagedObjectContext& context = *open();
    snapshot(kDay.addDays(-1), 4400);
    snapshot(kDay, 666);
    SideConnection side(storeFile);
    ASSERT_TRUE(
        side.exec("CREATE TRIGGER refuse BEFORE INSERT ON BatteryStatusSnapshot "
                  "WHEN NEW.capacity = 666 BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    StoreError error;
    EXPECT_FALSE(context.save(&error));
    EXPECT_TRUE(error.failureReason.contains("disk is full"));
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(newestCapacities(), (Capacities{666, 4400}));
    EXPECT_EQ(newestCapacities(1), (Capacities{666}));
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot"), 0); // rolled back

    ASSERT_TRUE(side.exec("DROP TRIGGER refuse"));
    EXPECT_TRUE(context.save());
    EXPECT_FALSE(context.hasChanges());
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot"), 2);
    EXPECT_EQ(newestCapacities(), (Capacities{666, 4400}));
    EXPECT_EQ(newestCapacities(1), (Capacities{666})); // the newest saved one is asked again

    EXPECT_EQ(context.fetchNewest("Snapshot", 1, &error), std::nullopt);
    EXPECT_TRUE(error.description.contains("Snapshot"));

    // A table gone from the file: the reason is SQLite's, not what a statement never prepared says.
    ASSERT_TRUE(side.exec("DROP TABLE Calibration"));
    EXPECT_EQ(context.fetchNewest(Calibration::kEntityName, 0, &error), std::nullopt);
    EXPECT_TRUE(error.failureReason.contains("no such table")) << error.failureReason.toStdString();
    Calibration(context).setCycleCount(1);
    EXPECT_FALSE(context.save(&error));
    EXPECT_TRUE(error.failureReason.contains("no such table")) << error.failureReason.toStdString();
}

// A chart reads the first and the last snapshot and each column's lowest and highest capacity:
// of the snapshots themselves in spans under a day, of each day's in longer ones, also from a
// store written before the days were kept.
TEST_F(ManagedObjectContextTest, ChartsReadTheEndsAndEachColumnsExtremes) {
    const QDateTime noon(QDate(2025, 12, 1), QTime(12, 0), Qt::UTC);
    const struct {
        qint64 step; // seconds between snapshots
        int columns;
        Capacities capacities;
    } rows[] = {
        {3600, 100, {50, 90, 5, 10, 70, 30, 80}},
        {3600, 2, {50, 90, 5, 30, 80}},
        {86400, 2, {50, 90, 5, 30, 80}},
    };
    for (const auto& row : rows) {
        persistance.reset();
        QFile::remove(storeFile);
        ManagedObjectContext& context = *open();
        for (const auto& [steps, capacity] : std::vector<std::pair<qreal, quint64>>{
                 {0, 50}, {1, 90}, {1.5, 5}, {2, 10}, {3, 70}, {4, 30}, {5, 80}})
            snapshot(noon.addSecs(qint64(steps * qreal(row.step))), capacity);
        snapshot(noon.addSecs(row.step / 2), 0); // no capacity
        snapshot(std::nullopt, 1);
        ASSERT_TRUE(context.save());
        const auto extremes = [this, &row] {
            return capacities(
                persistance->managedObjectContext()->fetchCapacityExtremes(row.columns).value());
        };
        EXPECT_EQ(extremes(), row.capacities) << row.step;
        if (row.step < 86400)
            continue;
        {
            SideConnection side(storeFile);
            ASSERT_TRUE(side.exec("DROP TRIGGER BatteryStatusSnapshot_days_insert") &&
                        side.exec("DROP TABLE BatteryStatusSnapshot_days"));
        }
        StoreError error; // gone under the open store: the reason is SQLite's
        EXPECT_EQ(persistance->managedObjectContext()->fetchCapacityExtremes(2, &error),
                  std::nullopt);
        EXPECT_TRUE(error.failureReason.contains("no such table"))
            << error.failureReason.toStdString();
        persistance.reset();
        open();
        EXPECT_EQ(extremes(), row.capacities);
    }
}

TEST_F(ManagedObjectContextTest, AStoreOfANewerVersionIsLeftAlone) {
    open();
    {
        SideConnection side(storeFile);
        EXPECT_EQ(side.value("PRAGMA user_version"), 1);
        side.exec("PRAGMA user_version = 2");
    }
    EXPECT_EQ(open(), nullptr);
    ASSERT_EQ(presenter.errors.size(), 1u);
    EXPECT_TRUE(presenter.errors[0].description.contains("newer version"));
    EXPECT_EQ(SideConnection(storeFile).value("PRAGMA user_version"), 2);
}

} // namespace
