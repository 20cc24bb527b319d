#include "persistence/AppPersistance.h"

#include "StoreTestSupport.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QDateTime localMidnight(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(0, 0), Qt::LocalTime);
}

// Root writes anywhere; while this lives, files are checked as for an ordinary user.
class UnprivilegedFileAccess {
public:
    UnprivilegedFileAccess() {
        if (geteuid() == 0) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~UnprivilegedFileAccess() {
        if (geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
    }
};

class AppPersistanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QLocale::system().monthName(3, QLocale::ShortFormat), "Mar")
            << "the migration's dates are English: run under ctest, which sets the locale";
        configuration.setDataStore(&persistance);
    }

    QString statusFile() const { return folder + "/savedStatus.plist"; }
    QString movedStatusFile() const {
        return folder + "/ampra1/com.vantrel.ampra/savedStatus.plist";
    }
    void placeStatusFile(const QString& fixture) {
        QDir().mkpath(folder);
        ASSERT_TRUE(QFile::copy(QString(AMPRA_FIXTURES) + "/plist/" + fixture, statusFile()));
    }
    std::vector<ManagedObject> fetch(const QString& entity) {
        return *persistance.managedObjectContext()->fetchNewest(entity, 0);
    }
    static std::vector<QDateTime> dates(const std::vector<ManagedObject>& records) {
        std::vector<QDateTime> result;
        for (const ManagedObject& record : records)
            result.push_back(record.date().value_or(QDateTime()));
        return result;
    }

    QTemporaryDir dir;
    QString folder = dir.filePath("com.vantrel.Ampra");
    SettingsStore settings{dir.filePath("settings.json")};
    AmpraConfiguration configuration{settings};
    RecordingErrorPresenter presenter;
    AppPersistance persistance{&configuration, folder, &presenter};
    LogCapture log{"helpers.persistance"};
};

TEST_F(AppPersistanceTest, CreatesAMissingFolderAndTheStoreInIt) {
    ASSERT_NE(configuration.context(), nullptr);
    EXPECT_EQ(configuration.context(), persistance.managedObjectContext());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo::exists(folder + "/Ampra.storedata"));
    EXPECT_TRUE(presenter.errors.empty());
}

TEST_F(AppPersistanceTest, AFolderThatIsAFileFailsOnceWithItsOwnReason) {
    writeFile(folder, "not a folder");
    EXPECT_EQ(persistance.managedObjectContext(), nullptr);
    EXPECT_EQ(persistance.managedObjectContext(), nullptr); // not retried
    ASSERT_EQ(presenter.errors.size(), 1u);
    EXPECT_EQ(presenter.errors[0].description, "Failed to initialize the application's saved data");
    EXPECT_EQ(presenter.errors[0].failureReason,
              "Expected a folder to store application data, found a file " + folder + ".");
    EXPECT_EQ(readFile(folder), "not a folder");

    // Without a presenter of its own the store logs the error.
    AppPersistance unpresented(nullptr, folder);
    EXPECT_EQ(unpresented.managedObjectContext(), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].level, log4cplus::ERROR_LOG_LEVEL);
    EXPECT_NE(log.lines()[0].message.find("found a file " + folder.toStdString()),
              std::string::npos);
}

TEST_F(AppPersistanceTest, AStoreFileThatIsNoDatabaseIsPresentedAndLeftAsItIs) {
    QDir().mkpath(folder);
    const QByteArray garbage(4096, 'x');
    writeFile(folder + "/Ampra.storedata", garbage);
    EXPECT_EQ(persistance.managedObjectContext(), nullptr);
    ASSERT_EQ(presenter.errors.size(), 1u);
    EXPECT_TRUE(presenter.errors[0].description.contains(folder + "/Ampra.storedata"));
    EXPECT_TRUE(presenter.errors[0].failureReason.contains("not a database"))
        << presenter.errors[0].failureReason.toStdString();
    EXPECT_EQ(readFile(folder + "/Ampra.storedata"), garbage);
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
    QFile::setPermissions(folder, readOnly);
    QFile::setPermissions(other, readOnly);
    {
        UnprivilegedFileAccess unprivileged;
        AppPersistance existing(nullptr, other, &presenter);
        EXPECT_EQ(persistance.managedObjectContext(), nullptr);
        EXPECT_EQ(existing.managedObjectContext(), nullptr);
    }
    ASSERT_EQ(presenter.errors.size(), 2u);
    EXPECT_TRUE(presenter.errors[0].description.contains(folder + "/Ampra.storedata"));
    EXPECT_TRUE(presenter.errors[1].description.contains(other + "/Ampra.storedata"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/Ampra.storedata"));
    SideConnection side(other + "/Ampra.storedata");
    EXPECT_EQ(side.value("SELECT count(*) FROM Calibration").toInt(), 1);
    QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
    QFile::setPermissions(other, readOnly | QFile::WriteOwner);
}

TEST_F(AppPersistanceTest, WithoutAStatusFileTheMigrationOnlyWarns) {
    persistance.importDataFormAmpraOne();
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].level, log4cplus::WARN_LOG_LEVEL);
    EXPECT_EQ(log.lines()[0].message, "Web version: no ampra 1 migration data found");
    EXPECT_FALSE(QFileInfo::exists(folder)); // the store was not even opened
}

class AmpraOneMigrationTest : public AppPersistanceTest,
                              public testing::WithParamInterface<const char*> {};

TEST_P(AmpraOneMigrationTest, MovesTheFileThenStoresEveryReadableEntry) {
    placeStatusFile(GetParam());
    const QByteArray original = readFile(statusFile());
    persistance.importDataFormAmpraOne();

    EXPECT_FALSE(QFileInfo::exists(statusFile()));
    EXPECT_EQ(readFile(movedStatusFile()), original);
    EXPECT_FALSE(persistance.managedObjectContext()->hasChanges());

    const auto calibrations = fetch(Calibration::kEntityName);
    EXPECT_EQ(dates(calibrations),
              (std::vector{localMidnight(2016, 4, 2), localMidnight(2016, 3, 5)}));
    for (const ManagedObject& calibration : calibrations) {
        EXPECT_EQ(calibration.capacity(), std::nullopt);
        EXPECT_EQ(calibration.cycleCount(), std::nullopt);
    }
    // "4400 mAh" has one run of digits; "Feb 30, 2016" is no date; "Cap 90 4400" loses its
    // last character.
    const auto snapshots = fetch(BatteryStatusSnapshot::kEntityName);
    EXPECT_EQ(dates(snapshots),
              (std::vector{localMidnight(2016, 2, 12), localMidnight(2016, 1, 10)}));
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_EQ(snapshots[0].capacity(), 440u);
    EXPECT_EQ(snapshots[1].capacity(), 4400u);
    EXPECT_EQ(snapshots[1].cycleCount(), std::nullopt);

    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{"Error On parsing date yesterday during ampra 1 migration",
                                        "Error On parsing date Feb 30, 2016 during ampra 1 "
                                        "migration"}));
    for (const auto& line : log.lines())
        EXPECT_EQ(line.level, log4cplus::ERROR_LOG_LEVEL);

    // A second file is not moved while the first one sits in the migration folder.
    placeStatusFile(GetParam());
    log.clear();
    persistance.importDataFormAmpraOne();
    EXPECT_EQ(log.messages(),
              std::vector<std::string>{"Error On moving ampra 1 status file for migration."});
    EXPECT_EQ(log.lines()[0].level, log4cplus::WARN_LOG_LEVEL);
    EXPECT_TRUE(QFileInfo::exists(statusFile()));
    EXPECT_EQ(fetch(Calibration::kEntityName).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(XmlAndBinary, AmpraOneMigrationTest,
                         testing::Values("savedStatus-xml.plist", "savedStatus-binary.plist"));

TEST_F(AppPersistanceTest, SkipsArraysThatAreNotStringsOrNotOfTheSameLength) {
    placeStatusFile("savedStatus-mismatched.plist");
    persistance.importDataFormAmpraOne();
    EXPECT_TRUE(QFileInfo::exists(movedStatusFile()));
    EXPECT_TRUE(fetch(Calibration::kEntityName).empty());
    EXPECT_TRUE(fetch(BatteryStatusSnapshot::kEntityName).empty());
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(AppPersistanceTest, AFileThatIsNoDictionaryIsMovedAndIgnored) {
    QDir().mkpath(folder);
    writeFile(statusFile(), "<plist version=\"1.0\"><array><string>Mar 05, 2016</string>"
                            "</array></plist>");
    persistance.importDataFormAmpraOne();
    EXPECT_TRUE(QFileInfo::exists(movedStatusFile()));
    EXPECT_FALSE(QFileInfo::exists(folder + "/Ampra.storedata"));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(AppPersistanceTest, WithoutAConfigurationTheFileIsMovedAndNothingStored) {
    placeStatusFile("savedStatus-xml.plist");
    AppPersistance alone(nullptr, folder, &presenter);
    alone.importDataFormAmpraOne();
    EXPECT_TRUE(QFileInfo::exists(movedStatusFile()));
    EXPECT_FALSE(QFileInfo::exists(folder + "/Ampra.storedata"));
}

TEST_F(AppPersistanceTest, AFailedMigrationSaveIsLoggedAndKeepsTheRecords) {
    placeStatusFile("savedStatus-xml.plist");
    ManagedObjectContext& context = *persistance.managedObjectContext();
    SideConnection side(folder + "/Ampra.storedata");
    ASSERT_TRUE(side.exec("CREATE TRIGGER refuse BEFORE INSERT ON Calibration "
                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    persistance.importDataFormAmpraOne();

    // Two unparsable dates and two failed saves: the snapshots' save takes the calibrations
    // along and fails as well.
    const auto messages = log.messages();
    ASSERT_EQ(messages.size(), 4u);
    for (const std::string& message : {messages[1], messages[3]}) {
        EXPECT_EQ(message.rfind("Error On saving Calibrations during ampra 1 migration ", 0), 0u);
        EXPECT_NE(message.find("disk is full"), std::string::npos);
    }
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(fetch(Calibration::kEntityName).size(), 2u);
    EXPECT_EQ(fetch(BatteryStatusSnapshot::kEntityName).size(), 2u);
    EXPECT_EQ(side.value("SELECT count(*) FROM BatteryStatusSnapshot").toInt(), 0);
}

TEST_F(AppPersistanceTest, ParsesTheOldCapacityTexts) {
    const std::vector<std::pair<QString, std::optional<quint64>>> cases = {
        {"87% of 4400 mAh", 4400},
        {"4400 mAh", std::nullopt},
        {"Cap 90 4400", 440},
        {"1 2 3 mAh", std::nullopt},
        {"90 4400", 440},
        {"12 345\U0001F50B", 345}, // the last character is one, whatever its length in code units
        {"7", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, capacity] : cases)
        EXPECT_EQ(persistance.capacityFromAmpra1FormatedString(text), capacity)
            << text.toStdString();
    EXPECT_TRUE(log.lines().empty());

    EXPECT_EQ(persistance.capacityFromAmpra1FormatedString("1 of 99999999999999999999999 mAh"),
              std::nullopt);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(AppPersistanceTest, ParsesTheOldDatesAtLocalMidnight) {
    EXPECT_EQ(persistance.dateFromAmpra1FormatedDate("Mar 05, 2016"), localMidnight(2016, 3, 5));
    EXPECT_EQ(persistance.dateFromAmpra1FormatedDate("Dec 31, 1999"), localMidnight(1999, 12, 31));
    EXPECT_EQ(persistance.dateFromAmpra1FormatedDate("2016-03-05"), std::nullopt);
    EXPECT_EQ(log.messages(), std::vector<std::string>{
                                  "Error On parsing date 2016-03-05 during ampra 1 migration"});
}

} // namespace
