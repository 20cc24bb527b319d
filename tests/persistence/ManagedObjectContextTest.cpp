#include "persistence/ManagedObjectContext.h"

#include "StoreTestSupport.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QDateTime kDay = QDateTime::fromMSecsSinceEpoch(1764958381123, Qt::UTC);

class ManagedObjectContextTest : public testing::Test {
protected:
    QString storePath() const { return folder + "/" + AppPersistance::kStoreFileName; }

    BatteryStatusSnapshot snapshot(ManagedObjectContext& context, std::optional<QDateTime> date,
                                   std::optional<quint64> capacity) {
        BatteryStatusSnapshot record(context);
        record.setDate(date);
        record.setCapacity(capacity);
        return record;
    }

    static std::vector<std::optional<quint64>> capacities(const std::vector<ManagedObject>& list) {
        std::vector<std::optional<quint64>> result;
        for (const ManagedObject& record : list)
            result.push_back(record.capacity());
        return result;
    }

    std::vector<std::optional<quint64>> newestCapacities(ManagedObjectContext& context, int limit) {
        return capacities(*context.fetchNewest(BatteryStatusSnapshot::kEntityName, limit));
    }

    QTemporaryDir dir;
    QString folder = dir.filePath("com.vantrel.Ampra");
    RecordingErrorPresenter presenter;
};

using Capacities = std::vector<std::optional<quint64>>;

TEST_F(ManagedObjectContextTest, FetchesSeeUnsavedInsertsNewestFirstAndSavedOnesAfterReopening) {
    {
        AppPersistance persistance(nullptr, folder, &presenter);
        ManagedObjectContext& context = *persistance.managedObjectContext();
        EXPECT_FALSE(context.hasChanges());
        snapshot(context, kDay.addDays(-2), 2);
        snapshot(context, std::nullopt, 0);
        snapshot(context, kDay, 3);
        snapshot(context, kDay.addDays(-5), 1);
        Calibration calibration(context);
        calibration.setDate(kDay.addDays(-1));
        calibration.setCycleCount(412);
        EXPECT_TRUE(context.hasChanges());

        EXPECT_EQ(newestCapacities(context, 2), (Capacities{3, 2}));
        EXPECT_EQ(newestCapacities(context, 0), (Capacities{3, 2, 1, 0})); // no date: last
        ASSERT_TRUE(context.save());
        EXPECT_FALSE(context.hasChanges());

        // Unsaved records fall in among the saved ones by date; equal dates: newest insert first.
        snapshot(context, kDay.addDays(-3), 20);
        snapshot(context, kDay, 30);
        EXPECT_EQ(newestCapacities(context, 3), (Capacities{30, 3, 2}));
        EXPECT_EQ(newestCapacities(context, 0), (Capacities{30, 3, 2, 20, 1, 0}));
        // Inserted and never saved: gone with the context, as at quit.
    }

    AppPersistance reopened(nullptr, folder, &presenter);
    ManagedObjectContext& context = *reopened.managedObjectContext();
    EXPECT_EQ(newestCapacities(context, 0), (Capacities{3, 2, 1, 0}));
    const auto calibrations = *context.fetchNewest(Calibration::kEntityName, 1);
    ASSERT_EQ(calibrations.size(), 1u);
    EXPECT_EQ(calibrations[0].entityName(), Calibration::kEntityName);
    EXPECT_EQ(calibrations[0].date(), kDay.addDays(-1)); // to the millisecond
    EXPECT_EQ(calibrations[0].cycleCount(), 412u);
    EXPECT_EQ(calibrations[0].capacity(), std::nullopt);
    EXPECT_TRUE(presenter.errors.empty());

    // A saved record keeps its values.
    LogCapture log("helpers.persistance");
    ManagedObject saved = calibrations[0];
    saved.setCapacity(1);
    EXPECT_EQ(saved.capacity(), std::nullopt);
    EXPECT_FALSE(context.hasChanges());
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(ManagedObjectContextTest, KeepsNumbersBeyondTheSignedRangeAndUnsetValues) {
    AppPersistance persistance(nullptr, folder, &presenter);
    ManagedObjectContext& context = *persistance.managedObjectContext();
    BatteryStatusSnapshot big = snapshot(context, kDay, std::numeric_limits<quint64>::max());
    big.setCycleCount(0);
    snapshot(context, std::nullopt, std::nullopt);
    ASSERT_TRUE(context.save());

    const auto records = *context.fetchNewest(BatteryStatusSnapshot::kEntityName, 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].capacity(), std::numeric_limits<quint64>::max());
    EXPECT_EQ(records[0].cycleCount(), 0u);
    EXPECT_EQ(records[1].date(), std::nullopt);
    EXPECT_EQ(records[1].capacity(), std::nullopt);
    EXPECT_EQ(records[1].cycleCount(), std::nullopt);
}

TEST_F(ManagedObjectContextTest, FailedSaveWritesNothingAndKeepsTheRecordsForTheNextSave) {
    AppPersistance persistance(nullptr, folder, &presenter);
    ManagedObjectContext& context = *persistance.managedObjectContext();
    snapshot(context, kDay.addDays(-1), 4400);
    snapshot(context, kDay, 666);
    SideConnection side(storePath());
    ASSERT_TRUE(
        side.exec("CREATE TRIGGER refuse BEFORE INSERT ON BatteryStatusSnapshot "
                  "WHEN NEW.capacity = 666 BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));

    StoreError error;
    EXPECT_FALSE(context.save(&error));
    EXPECT_TRUE(error.failureReason.contains("disk is full")) << error.failureReason.toStdString();
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(newestCapacities(context, 0), (Capacities{666, 4400}));
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot").toInt(), 0); // rolled back

    ASSERT_TRUE(side.exec("DROP TRIGGER refuse"));
    EXPECT_TRUE(context.save());
    EXPECT_FALSE(context.hasChanges());
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot").toInt(), 2);
    EXPECT_EQ(newestCapacities(context, 0), (Capacities{666, 4400}));
}

TEST_F(ManagedObjectContextTest, AnUnknownEntityIsAFailedFetch) {
    AppPersistance persistance(nullptr, folder, &presenter);
    StoreError error;
    EXPECT_EQ(persistance.managedObjectContext()->fetchNewest("Snapshot", 1, &error), std::nullopt);
    EXPECT_TRUE(error.description.contains("Snapshot"));
}

TEST_F(ManagedObjectContextTest, TheFileIsVersionedAndIndexedAndANewerOneIsLeftAlone) {
    {
        AppPersistance persistance(nullptr, folder, &presenter);
        ASSERT_NE(persistance.managedObjectContext(), nullptr);
    }
    {
        SideConnection side(storePath());
        EXPECT_EQ(side.value("PRAGMA user_version").toInt(), 1);
        EXPECT_EQ(side.value("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                             "AND sql LIKE '%(date)'")
                      .toInt(),
                  2);
        side.exec("PRAGMA user_version = 2");
    }
    AppPersistance newer(nullptr, folder, &presenter);
    EXPECT_EQ(newer.managedObjectContext(), nullptr);
    ASSERT_EQ(presenter.errors.size(), 1u);
    EXPECT_TRUE(presenter.errors[0].description.contains("newer version"));
    SideConnection side(storePath());
    EXPECT_EQ(side.value("PRAGMA user_version").toInt(), 2);
}

} // namespace
