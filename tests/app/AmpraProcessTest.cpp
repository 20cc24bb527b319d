// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/SettingsStore.h"
#include "support/AmpraOneHistoryFile.h"
#include "support/DBusMock.h"
#include "support/Files.h"
#include "support/LocalHttpServer.h"
#include "support/WaitFor.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kAmpra = QString(AMPRA_BUILD_DIR) + "/src/app/ampra";

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/com.vantrel.Ampra/settings.json";
}
QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/com.vantrel.Ampra";
}

void startAmpra(QProcess& process, const QString& language = "en", const QUrl& appcast = {},
                const QString& sessionBus = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", language);
    environment.insert("AMPRA_SYSFS_ROOT", QString(AMPRA_FIXTURES) + "/sysfs/charge-discharging");
    environment.insert("AMPRA_APPCAST_URL", appcast.toString());
    environment.insert("DBUS_SESSION_BUS_ADDRESS", sessionBus);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(kAmpra, {});
    ASSERT_TRUE(process.waitForStarted());
}

void endsInOrder(QProcess& process) {
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}
// SIGTERM, as the session sends it, ends it in order.
void quit(QProcess& process) {
    process.terminate();
    endsInOrder(process);
}

bool waitForOutput(QProcess& process, const QByteArray& text) {
    QByteArray output;
    return waitFor([&] {
        output += process.readAllStandardOutput();
        return output.contains(text);
    });
}

// The first update writes the engine state.
bool engineStateWritten() {
    return waitFor([] { return readFile(settingsPath()).contains("CalibrationAlgorithmState"); });
}

// A crashed run leaves its lock behind; the next start takes it over. Started again, from the
// applications menu or a launcher, it shows the running one's summary; the desktop entry's quit
// action ends it in order, and only an orderly quit clears the first-launch flag.
TEST(AmpraProcessTest, OneInstanceRunsAfterACrashAndTheQuitActionEndsItInOrder) {
    QProcess crashed;
    startAmpra(crashed);
    ASSERT_TRUE(engineStateWritten());
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));
    ASSERT_TRUE(QFile::remove(settingsPath()));

    QProcess first, second;
    startAmpra(first);
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(waitFor([&] { return bus.interface()->isServiceRegistered("com.vantrel.Ampra"); }));
    ASSERT_TRUE(engineStateWritten());
    startAmpra(second);
    endsInOrder(second);
    EXPECT_TRUE(waitForOutput(first, "Activated: showing the summary"));
    EXPECT_TRUE(readFile(dataFolder() + "/ampra.log")
                    .contains( // why the second gave way
                        QString("WARN # Ampra is already running (process %1)")
                            .arg(first.processId())
                            .toUtf8()));
    EXPECT_FALSE(SettingsStore(settingsPath()).objectForKey("isFirstLaunch").isValid());

    QDBusMessage quit = QDBusMessage::createMethodCall(
        "com.vantrel.Ampra", "/com/vantrel/Ampra", "org.freedesktop.Application", "ActivateAction");
    quit << "quit" << QVariantList() << QVariantMap();
    EXPECT_EQ(bus.call(quit).type(), QDBusMessage::ReplyMessage);
    endsInOrder(first);
    EXPECT_EQ(SettingsStore(settingsPath()).objectForKey("isFirstLaunch"), QVariant(false));
}

// The desktop's language picks the texts, English without a translation. The first start checks
// for updates, the next ones within the week do not.
TEST(AmpraProcessTest, GuidesInTheDesktopsLanguageAndChecksForUpdatesOnceAWeek) {
    const struct {
        QString language, title;
        const char* updateLine;
        qsizetype notices;
    } cases[] = {
        {"eo:de", "Akkukalibrierung", "Ampra 99.0 is out", 2},
        {"es_ES", "Calibración de la batería", "Next update check after", 1},
        {"eo", "Battery calibration", "Next update check after", 1},
    };
    const std::unique_ptr<DBusMock> notifications = DBusMock::notificationDaemon();
    LocalHttpServer server;
    server.serve("/appcast.xml",
                 {200, "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">"
                       "<channel><item><sparkle:version>99.0</sparkle:version>"
                       "<link>https://example.org/ampra</link></item></channel></rss>"});
    // The offscreen platform has no tray: that was said before.
    SettingsStore(settingsPath()).setBool(true, "NoTrayNoticeShown");
    for (const auto& row : cases) {
        SCOPED_TRACE(row.language.toStdString());
        notifications->mock("ClearCalls");
        QProcess ampra;
        startAmpra(ampra, row.language, server.url("/appcast.xml"));
        // The feed is served by this test's event loop, so it runs while waiting.
        EXPECT_TRUE(waitForOutput(ampra, row.updateLine));
        // No calibration yet: the first update guides to the first step.
        const QList<QVariantList> calls = notifications->methodCalls("Notify", row.notices);
        quit(ampra);
        ASSERT_EQ(calls.size(), row.notices);
        EXPECT_EQ(calls.first().at(3).toString(), row.title);
    }
    EXPECT_EQ(server.requests().size(), 1);
}

// The signal handling is in place before the long work of a first launch: a SIGTERM during the
// migration of a long old history quits in order once it is done, with everything stored.
TEST(AmpraProcessTest, SigtermDuringTheFirstLaunchMigrationQuitsInOrder) {
    QDir(dataFolder()).removeRecursively();
    QFile::remove(settingsPath());
    const QString history = dataFolder() + "/savedStatus.plist";
    ASSERT_TRUE(writeFile(history, ampraOneHistoryFile(100000)));

    QProcess ampra;
    startAmpra(ampra);
    ASSERT_TRUE(waitFor([&] { return !QFile::exists(history); })); // moved: the import has begun
    quit(ampra);
    EXPECT_EQ(SettingsStore(settingsPath()).objectForKey("isFirstLaunch"), QVariant(false));
    QProcess sqlite;
    sqlite.start("sqlite3",
                 {dataFolder() + "/Ampra.storedata", "SELECT count(*) FROM Calibration"});
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(sqlite.readAllStandardOutput().trimmed(), "50000");
}

// Without a session bus there is neither a tray nor a notification server, and the log says so.
TEST(AmpraProcessTest, WithoutASessionBusTheLogDoesNotPromiseNotifications) {
    QProcess ampra;
    startAmpra(ampra, "en", {}, "unix:path=/nonexistent/bus");
    EXPECT_TRUE(waitForOutput(ampra, "no session bus, so no notifications either"));
    quit(ampra);
}

} // namespace
