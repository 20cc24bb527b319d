// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/SettingsStore.h"

#include "support/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void writeSettings(const QByteArray& content) {
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(writeFile(path, content));
    }

    QTemporaryDir dir;
    QString path = dir.filePath("sub/settings.json");
};

TEST_F(SettingsStoreTest, CoercesTypedReadsAndFallsBackToTheRegisteredDefault) {
    SettingsStore store(path);
    store.registerDefaults({{"Interval", qint64(2419200)}, {"Flag", true}, {"Charge", qint64(20)}});
    EXPECT_EQ(store.integerForKey("Interval"), 2419200);
    EXPECT_TRUE(store.boolForKey("Flag"));
    EXPECT_EQ(store.integerForKey("Missing"), 0);

    store.setObject(-35.9, "Interval");
    EXPECT_EQ(store.integerForKey("Interval"), -35); // truncates toward zero
    store.setInteger(7, "Charge");
    EXPECT_EQ(store.doubleForKey("Charge"), 7.0);

    // A value of the wrong kind is unreadable: the default shows through.
    store.setObject(QString("soon"), "Interval");
    EXPECT_EQ(store.integerForKey("Interval"), 2419200);
    EXPECT_EQ(store.objectForKey("Interval"), QVariant(QString("soon")));
    store.setObject(1e300, "Charge");
    EXPECT_EQ(store.integerForKey("Charge"), 20);

    store.setBool(false, "Flag");
    store.registerDefaults({{"Flag", true}}); // never overwrites a user value
    EXPECT_FALSE(store.boolForKey("Flag"));
    store.setObject(QVariant(), "Flag"); // removes the key
    EXPECT_TRUE(store.boolForKey("Flag"));
}

TEST_F(SettingsStoreTest, KeepsValuesAndTheirTypesAcrossReopening) {
    const std::pair<const char*, QVariant> values[] = {
        {"Big", std::numeric_limits<qint64>::max()},
        {"Fraction", 0.1},
        {"Flag", true},
        {"Text", QString("12")},
        {"Date", QDateTime::fromMSecsSinceEpoch(1764958381123, Qt::UTC)}};
    writeSettings(R"({"format": 1, "values": {}})");
    ASSERT_TRUE(QFile::rename(path, dir.filePath("sub/kept.json")) &&
                QFile::link("kept.json", path));
    {
        SettingsStore store(path);
        for (const auto& [key, value] : values)
            store.setObject(value, key);
        store.setObject(QStringList{"refused"}, "List");
    }
    SettingsStore reopened(path);
    for (const auto& [key, value] : values) {
        EXPECT_EQ(reopened.objectForKey(key), value) << key;
        EXPECT_EQ(reopened.objectForKey(key).typeId(), value.typeId()) << key;
    }
    EXPECT_EQ(reopened.integerForKey("Text"), 0); // a text under a number key reads as absent
    EXPECT_FALSE(reopened.objectForKey("List").isValid());
    EXPECT_TRUE(QFileInfo(path).isSymLink()); // written through, as a dotfile manager links it
}

TEST_F(SettingsStoreTest, SetsAGarbageFileAsideAndStartsFromTheDefaults) {
    for (const QByteArray& garbage :
         {QByteArray("{\"format\": 1, \"values\": {"), QByteArray("\x00\xff\xfe garbage", 12),
          QByteArray("[1, 2]"), QByteArray("{\"format\": 99, \"values\": {}}")}) {
        writeSettings(garbage);
        SettingsStore store(path);
        store.registerDefaults({{"Flag", true}});
        EXPECT_TRUE(store.boolForKey("Flag"));
        const QStringList aside = QDir(dir.filePath("sub")).entryList({"settings.json.corrupt-*"});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readFile(dir.filePath("sub/" + aside.first())), garbage);

        store.setBool(false, "Flag");
        EXPECT_FALSE(SettingsStore(path).boolForKey("Flag"));
    }
}

// Numbers as a person writes them are read; what cannot be read is kept in the file as written
// until a new value replaces it, and the default applies meanwhile.
TEST_F(SettingsStoreTest, AHandWrittenFileIsReadAndWhatCannotBeReadIsKept) {
    writeSettings(R"({"format": 1, "values": {
        "Typed": {"type": "integer", "value": 1209600}, "Bare": 604800, "Half": 2.5,
        "Flag": false, "Text": "hi", "Bad": {"type": "integer", "value": "twelve"},
        "Fraction": {"type": "integer", "value": 3.5}, "List": [1], "Replaced": {"type": "?"},
        "Deep": )" +
                  QByteArray("[").repeated(300) + QByteArray("]").repeated(300) + "}}");
    {
        SettingsStore store(path);
        store.registerDefaults({{"Bad", qint64(20)}, {"Fraction", qint64(20)}, {"List", true}});
        const std::pair<const char*, QVariant> expected[] = {{"Typed", qint64(1209600)},
                                                             {"Bare", qint64(604800)},
                                                             {"Half", 2.5},
                                                             {"Flag", false},
                                                             {"Text", QString("hi")},
                                                             {"Bad", qint64(20)},
                                                             {"Fraction", qint64(20)},
                                                             {"List", true}};
        for (const auto& [key, value] : expected) {
            EXPECT_EQ(store.objectForKey(key), value) << key;
            EXPECT_EQ(store.objectForKey(key).typeId(), value.typeId()) << key;
        }
        store.setBool(true, "Flag");
        store.setInteger(7, "Replaced");
    }
    const QByteArray written = readFile(path);
    const QJsonObject values = QJsonDocument::fromJson(written)["values"].toObject();
    EXPECT_EQ(values["Bad"].toObject()["value"], "twelve");
    EXPECT_EQ(values["Fraction"].toObject()["value"], 3.5);
    EXPECT_EQ(values["List"], QJsonArray{1});
    EXPECT_LT(written.size(), 2000); // kept as compact as written, not indented at every level
    EXPECT_EQ(SettingsStore(path).integerForKey("Replaced"), 7);
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
    ASSERT_TRUE(writeFile(dir.filePath("sub"), {})); // a file where the folder should be
    SettingsStore store(path);
    store.setInteger(5, "Key");
    EXPECT_EQ(store.integerForKey("Key"), 5);
    EXPECT_FALSE(store.synchronize());
}

} // namespace
