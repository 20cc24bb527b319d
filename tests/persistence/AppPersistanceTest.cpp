// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/AppPersistance.h"

#include "StoreTestSupport.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "support/Files.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <sys/fsuid.h>
#include <tuple>
#include <unistd.h>

namespace {

using namespace testing;
using Messages = std::vector<std::string>;
using Records = std::vector<std::tuple<QDateTime, std::optional<quint64>, std::optional<quint64>>>;

QDateTime localMidnight(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(0, 0), Qt::LocalTime);
}

class AppPersistanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QLocale::system().monthName(3, QLocale::ShortFormat), "Mar") << "run by ctest";
        configuration.setDataStore(&persistance);
    }
    void placeStatusFile(const QString& fixture) {
        QDir().mkpath(folder);
        ASSERT_TRUE(QFile::copy(AMPRA_FIXTURES "/plist/" + fixture, statusFile));
    }
    // Date, capacity and cycle count of every stored record, newest first.
    Records stored(const QString& entity) {
        Records result;
        const auto records = *persistance.managedObjectContext()->fetchNewest(entity, 0);
        for (const ManagedObject& record : records)
            result.push_back(
                {record.date().value_or(QDateTime()), record.capacity(), record.cycleCount()});
        return result;
    }

    QTemporaryDir dir;
    QString folder = dir.filePath("com.vantrel.Ampra");
    QString storeFile = folder + "/Ampra.storedata";
    QString statusFile = folder + "/savedStatus.plist";
    QString movedStatusFile = folder + "/ampra1/com.vantrel.ampra/savedStatus.plist";
    SettingsStore settings{dir.filePath("settings.json")};
    AmpraConfiguration configuration{settings};
    RecordingErrorPresenter presenter;
    AppPersistance persistance{&configuration, folder, &presenter};
    LogCapture log{"helpers.persistance"};
};

// A file where the folder or the store should be: presented once, with its reason, and left.
TEST_F(AppPersistanceTest, AFileInTheWayIsPresentedOnceWithItsReasonAndLeftAsItIs) {
    ASSERT_TRUE(writeFile(folder, "not a folder"));
    EXPECT_EQ(persistance.managedObjectContext(), nullptr);
    EXPECT_EQ(persistance.managedObjectContext(), nullptr); // not retried
    ASSERT_EQ(presenter.errors.size(), 1u);
    EXPECT_EQ(presenter.errors[0].description, "Failed to initialize the application's saved data");
    EXPECT_EQ(presenter.errors[0].failureReason,
              "Expected a folder to store application data, found a file " + folder + ".");
    EXPECT_EQ(readFile(folder), "not a folder");
    AppPersistance unpresented(nullptr, folder); // logs instead
    EXPECT_EQ(unpresented.managedObjectContext(), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);

    ASSERT_TRUE(QFile::remove(folder) && QDir().mkpath(folder));
    const QByteArray garbage(4096, 'x');
    ASSERT_TRUE(writeFile(storeFile, garbage));
    EXPECT_EQ(AppPersistance(nullptr, folder, &presenter).managedObjectContext(), nullptr);
    ASSERT_EQ(presenter.errors.size(), 2u);
    EXPECT_TRUE(presenter.errors[1].description.contains(storeFile));
    EXPECT_TRUE(presenter.errors[1].failureReason.contains("not a database"));
    EXPECT_EQ(readFile(storeFile), garbage);
}

TEST_F(AppPersistanceTest, AReadOnlyFolderIsPresentedWithOrWithoutAStoreInIt) {
    const QString other = dir.filePath("other");
    {
        AppPersistance writable(nullptr, other, &presenter);
        Calibration calibration(*writable.managedObjectContext());
        ASSERT_TRUE(writable.managedObjectContext()->save());
    }
    QDir().mkpath(folder);
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
    for (const QString& path : {folder, other})
        QFile::setPermissions(path, readOnly);
    // Root writes anywhere: files are checked as for an ordinary user.
    const bool root = geteuid() == 0;
    if (root)
        setfsgid(65534), setfsuid(65534);
    AppPersistance existing(nullptr, other, &presenter);
    EXPECT_EQ(persistance.managedObjectContext(), nullptr);
    EXPECT_EQ(existing.managedObjectContext(), nullptr);
    if (root)
        setfsuid(0), setfsgid(0);
    ASSERT_EQ(presenter.errors.size(), 2u);
    EXPECT_TRUE(presenter.errors[0].description.contains(storeFile));
    EXPECT_TRUE(presenter.errors[1].description.contains(other + "/Ampra.storedata"));
    EXPECT_FALSE(QFileInfo::exists(storeFile));
    EXPECT_EQ(SideConnection(other + "/Ampra.storedata").value("SELECT count(*) FROM Calibration"),
              1);
    for (const QString& path : {folder, other})
        QFile::setPermissions(path, readOnly | QFile::WriteOwner);
}

class AmpraOneMigrationTest : public AppPersistanceTest,
                              public testing::WithParamInterface<const char*> {};

TEST_P(AmpraOneMigrationTest, MovesTheFileThenStoresEveryReadableEntry) {
    placeStatusFile(GetParam());
    const QByteArray original = readFile(statusFile);
    persistance.importDataFormAmpraOne();
    EXPECT_EQ(readFile(movedStatusFile), original);
    EXPECT_FALSE(QFileInfo::exists(statusFile));
    EXPECT_EQ(configuration.context(), persistance.managedObjectContext());
    EXPECT_FALSE(configuration.context()->hasChanges());
    // "4400 mAh" has one run of digits; "Feb 30, 2016" is no date; "Cap 90 4400" loses its
    // last character.
    EXPECT_EQ(stored(Calibration::kEntityName),
              (Records{{localMidnight(2016, 4, 2), {}, {}}, {localMidnight(2016, 3, 5), {}, {}}}));
    EXPECT_EQ(
        stored(BatteryStatusSnapshot::kEntityName),
        (Records{{localMidnight(2016, 2, 12), 440, {}}, {localMidnight(2016, 1, 10), 4400, {}}}));
    EXPECT_EQ(log.messages(), (Messages{"Error On parsing date yesterday during ampra 1 migration",
                                        "Error On parsing date Feb 30, 2016 during ampra 1 "
                                        "migration"}));
    EXPECT_EQ(log.lines()[1].level, log4cplus::ERROR_LOG_LEVEL);

    // A second file is not moved while the first one sits in the migration folder.
    placeStatusFile(GetParam());
    log.clear();
    persistance.importDataFormAmpraOne();
    EXPECT_EQ(log.messages(), Messages{"Error On moving ampra 1 status file for migration."});
    EXPECT_TRUE(QFileInfo::exists(statusFile));
    EXPECT_EQ(stored(Calibration::kEntityName).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(XmlAndBinary, AmpraOneMigrationTest,
                         testing::Values("savedStatus-xml.plist", "savedStatus-binary.plist"));

TEST_F(AppPersistanceTest, MovesAsideFilesWithNothingToImport) {
    persistance.importDataFormAmpraOne(); // no file: a warning, and the store is not opened
    EXPECT_EQ(log.messages(), Messages{"Web version: no ampra 1 migration data found"});
    EXPECT_EQ(log.lines()[0].level, log4cplus::WARN_LOG_LEVEL);
    EXPECT_FALSE(QFileInfo::exists(folder));
    placeStatusFile("savedStatus-xml.plist");
    AppPersistance withoutConfiguration(nullptr, folder, &presenter);
    withoutConfiguration.importDataFormAmpraOne();
    EXPECT_TRUE(QFile::remove(movedStatusFile));
    log.clear();
    ASSERT_TRUE(
        writeFile(statusFile, "<plist><array><string>Mar 05, 2016</string></array></plist>"));
    persistance.importDataFormAmpraOne();
    EXPECT_EQ(log.messages(), Messages{"Error On reading ampra 1 status file " +
                                       movedStatusFile.toStdString() + " for migration"});
    EXPECT_TRUE(QFile::remove(movedStatusFile));
    EXPECT_FALSE(QFileInfo::exists(storeFile));

    log.clear();
    placeStatusFile("savedStatus-mismatched.plist"); // no strings, or arrays of unequal length
    persistance.importDataFormAmpraOne();
    EXPECT_TRUE(QFileInfo::exists(movedStatusFile));
    EXPECT_TRUE(stored(Calibration::kEntityName).empty());
    EXPECT_TRUE(stored(BatteryStatusSnapshot::kEntityName).empty());
    EXPECT_TRUE(log.lines().empty());
}

// Killed after the move and before the save: the next first launch reads the moved file again,
// once, whatever the engine stored meanwhile.
TEST_F(AppPersistanceTest, AnInterruptedMigrationResumesOnce) {
    QDir().mkpath(QFileInfo(movedStatusFile).path());
    ASSERT_TRUE(QFile::copy(AMPRA_FIXTURES "/plist/savedStatus-xml.plist", movedStatusFile));
    Calibration recorded(*persistance.managedObjectContext());
    recorded.setDate(QDateTime::currentDateTimeUtc());
    recorded.setCycleCount(12);
    persistance._persistData();
    for (int start = 0; start < 2; ++start)
        AppPersistance(&configuration, folder, &presenter).importDataFormAmpraOne();
    EXPECT_EQ(stored(Calibration::kEntityName).size(), 3u);
    EXPECT_EQ(stored(BatteryStatusSnapshot::kEntityName).size(), 2u);
    EXPECT_EQ(log.count("Resuming the ampra 1 migration from " + movedStatusFile.toStdString()), 1);
    EXPECT_EQ(log.messages().back(), "Web version: no ampra 1 migration data found");
}

TEST_F(AppPersistanceTest, AFailedMigrationSaveIsLoggedAndKeepsTheRecords) {
    placeStatusFile("savedStatus-xml.plist");
    ManagedObjectContext& context = *persistance.managedObjectContext();
    SideConnection side(storeFile);
    ASSERT_TRUE(side.exec("CREATE TRIGGER refuse BEFORE INSERT ON Calibration "
                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    persistance.importDataFormAmpraOne();
    // Two unparsable dates, then the one save of everything.
    EXPECT_THAT(
        log.messages(),
        ElementsAre(_, _,
                    AllOf(StartsWith("Error On saving Calibrations during ampra 1 migration "),
                          HasSubstr("disk is full"))));
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(stored(BatteryStatusSnapshot::kEntityName).size(), 2u);
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot"), 0);
}

// The migration's fixtures hold the usual texts; these are the odd ones.
TEST_F(AppPersistanceTest, ParsesTheOldCapacityTexts) {
    const std::pair<QString, std::optional<quint64>> capacities[] = {
        {"1 2 3 mAh", std::nullopt},
        {"", std::nullopt},
        {"12 345\U0001F50B", 345}, // the last character is one, whatever its length in code units
        {"1 of 99999999999999999999999 mAh", std::nullopt}};
    for (const auto& [text, capacity] : capacities)
        EXPECT_EQ(persistance.capacityFromAmpra1FormatedString(text), capacity)
            << text.toStdString();
    EXPECT_EQ(log.lines().size(), 1u); // the number too big
}

} // namespace
