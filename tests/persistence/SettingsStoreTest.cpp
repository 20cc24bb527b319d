#include "persistence/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("sub/settings.json");
};

TEST_F(SettingsStoreTest, CoercesTypedReadsAndFallsBackToTheRegisteredDefault) {
    SettingsStore store(path);
    store.registerDefaults({{"Interval", qint64(2419200)}, {"Flag", true}, {"Charge", qint64(20)}});
    EXPECT_EQ(store.integerForKey("Interval"), 2419200);
    EXPECT_TRUE(store.boolForKey("Flag"));
    EXPECT_EQ(store.integerForKey("Missing"), 0);
    EXPECT_EQ(store.doubleForKey("Missing"), 0.0);
    EXPECT_FALSE(store.boolForKey("Missing"));

    store.setDouble(-35.9, "Interval");
    EXPECT_EQ(store.integerForKey("Interval"), -35); // truncates toward zero
    store.setInteger(7, "Charge");
    EXPECT_EQ(store.doubleForKey("Charge"), 7.0);

    // A value of the wrong kind is unreadable: the default shows through.
    store.setObject(QString("soon"), "Interval");
    EXPECT_EQ(store.integerForKey("Interval"), 2419200);
    EXPECT_EQ(store.objectForKey("Interval"), QVariant(QString("soon")));
    store.setObject(1e300, "Charge");
    EXPECT_EQ(store.integerForKey("Charge"), 20);

    // Registering again never overwrites a user value.
    store.setBool(false, "Flag");
    store.registerDefaults({{"Flag", true}});
    EXPECT_FALSE(store.boolForKey("Flag"));

    // Setting nothing removes the key.
    store.setObject(QVariant(), "Flag");
    EXPECT_TRUE(store.boolForKey("Flag"));
    EXPECT_FALSE(QFile::exists(path + ".corrupt"));
}

TEST_F(SettingsStoreTest, KeepsValuesAndTheirTypesAcrossReopening) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1764958381123, Qt::UTC);
    {
        SettingsStore store(path);
        store.setInteger(std::numeric_limits<qint64>::max(), "Big");
        store.setDouble(0.1, "Fraction");
        store.setBool(true, "Flag");
        store.setObject(QString("12"), "Text");
        store.setObject(when, "Date");
        store.setObject(QStringList{"refused"}, "List");
    }
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.objectForKey("Big"), QVariant(std::numeric_limits<qint64>::max()));
    EXPECT_EQ(reopened.objectForKey("Fraction").typeId(), QMetaType::Double);
    EXPECT_EQ(reopened.doubleForKey("Fraction"), 0.1);
    EXPECT_EQ(reopened.objectForKey("Flag").typeId(), QMetaType::Bool);
    EXPECT_EQ(reopened.objectForKey("Text").typeId(), QMetaType::QString);
    EXPECT_EQ(reopened.integerForKey("Text"), 0); // a text under a number key reads as absent
    EXPECT_EQ(reopened.objectForKey("Date").toDateTime(), when);
    EXPECT_FALSE(reopened.objectForKey("List").isValid());
}

TEST_F(SettingsStoreTest, SetsAGarbageFileAsideAndStartsFromTheDefaults) {
    for (const QByteArray& garbage :
         {QByteArray("{\"format\": 1, \"values\": {"), QByteArray("\x00\xff\xfe garbage", 12),
          QByteArray("[1, 2]"), QByteArray("{\"format\": 99, \"values\": {}}")}) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.filePath("sub"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
        file.close();

        SettingsStore store(path);
        store.registerDefaults({{"Flag", true}});
        EXPECT_TRUE(store.boolForKey("Flag"));
        const QStringList aside = QDir(dir.filePath("sub")).entryList({"settings.json.corrupt-*"});
        ASSERT_EQ(aside.size(), 1);
        QFile kept(dir.filePath("sub/" + aside.first()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), garbage); // the bad file is kept, not overwritten

        store.setBool(false, "Flag");
        EXPECT_FALSE(SettingsStore(path).boolForKey("Flag"));
    }
}

TEST_F(SettingsStoreTest, SkipsMalformedEntriesAndKeepsTheRest) {
    QDir().mkpath(dir.filePath("sub"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": 1, "values": {"Good": {"type": "bool", "value": true},
                  "Bad": {"type": "integer", "value": "twelve"}, "Odd": 3}})");
    file.close();
    SettingsStore store(path);
    EXPECT_TRUE(store.boolForKey("Good"));
    EXPECT_FALSE(store.objectForKey("Bad").isValid());
    EXPECT_FALSE(store.objectForKey("Odd").isValid());
}

TEST_F(SettingsStoreTest, SignalsEachRealChangeOnce) {
    SettingsStore store(path);
    QSignalSpy spy(&store, &SettingsStore::valueChanged);
    store.setBool(true, "ShowTime");
    store.setBool(true, "ShowTime");
    store.setInteger(1, "ShowTime"); // same number, other type: a change
    store.removeObjectForKey("ShowTime");
    store.removeObjectForKey("ShowTime");
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toString(), "ShowTime");
}

TEST_F(SettingsStoreTest, AnUnwritableFolderKeepsValuesInMemory) {
    QFile blocker(dir.filePath("sub"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    SettingsStore store(path);
    store.setInteger(5, "Key");
    EXPECT_EQ(store.integerForKey("Key"), 5);
    EXPECT_FALSE(store.synchronize());
}

} // namespace
