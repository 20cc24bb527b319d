// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/SettingsStore.h"
#include "support/AmpraOneHistoryFile.h"
#include "support/DBusMock.h"
#include "support/LocalHttpServer.h"
#include "support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kAmpra = QString(AMPRA_BUILD_DIR) + "/src/app/ampra";

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/com.vantrel.Ampra/settings.json";
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

// The first update writes the engine state.
bool engineStateWritten() {
    return waitFor([] {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) &&
               file.readAll().contains("CalibrationAlgorithmState");
    });
}

// A crashed run leaves its lock behind; the next start takes it over.
TEST(AmpraProcessTest, OneInstanceRunsAfterACrashAndSigtermQuitsItInOrder) {
    QProcess crashed;
    startAmpra(crashed);
    ASSERT_TRUE(engineStateWritten());
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));
    ASSERT_TRUE(QFile::remove(settingsPath()));

    QProcess first;
    startAmpra(first);
    ASSERT_TRUE(engineStateWritten());

    QProcess second;
    startAmpra(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // Only an orderly quit clears the first-launch flag.
    EXPECT_FALSE(SettingsStore(settingsPath()).objectForKey("isFirstLaunch").isValid());
    first.terminate(); // SIGTERM; a process that is gone already is left alone
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    const QVariant firstLaunch = SettingsStore(settingsPath()).objectForKey("isFirstLaunch");
    EXPECT_EQ(firstLaunch, QVariant(false));
}

// The desktop's language picks the texts; one without a translation gets English.
TEST(AmpraProcessTest, SendsTheGuideNoticeInTheDesktopsLanguage) {
    const struct {
        QString language, title, body;
    } cases[] = {
        {"de", "Akkukalibrierung",
         "Schließen Sie den Computer an das Netzteil an und laden Sie den Akku vollständig auf."},
        {"es_ES", "Calibración de la batería",
         "Conecte el equipo al adaptador de corriente y cargue la batería por completo."},
        {"fr:it", "Battery calibration", "Plug in your computer and charge it fully."},
    };
    const std::unique_ptr<DBusMock> server =
        DBusMock::fromTemplate(DBusMock::Bus::Session, "notification_daemon",
                               "org.freedesktop.Notifications", "/org/freedesktop/Notifications");
    for (const auto& row : cases) {
        server->mock("ClearCalls");
        QProcess ampra;
        startAmpra(ampra, row.language);
        QList<QVariantList> calls; // no calibration yet: the first update guides to the first step
        EXPECT_TRUE(waitFor([&] {
            calls = server->methodCalls("Notify");
            return !calls.isEmpty();
        })) << row.language.toStdString();
        ampra.terminate();
        ASSERT_TRUE(ampra.waitForFinished(10000));
        ASSERT_FALSE(calls.isEmpty());
        EXPECT_EQ(calls.first().at(3).toString(), row.title);
        EXPECT_EQ(calls.first().at(4).toString(), row.body);
    }
}

TEST(AmpraProcessTest, ChecksForUpdatesAtTheFirstStartAndNotAgainWithinTheWeek) {
    auto notifications =
        DBusMock::fromTemplate(DBusMock::Bus::Session, "notification_daemon",
                               "org.freedesktop.Notifications", "/org/freedesktop/Notifications");
    ASSERT_TRUE(notifications);
    LocalHttpServer server;
    server.serve("/appcast.xml",
                 {200,
                  "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">"
                  "<channel><item><sparkle:version>99.0</sparkle:version>"
                  "<link>https://example.org/ampra</link></item></channel></rss>",
                  true});
    const auto updateNotices = [&] {
        int count = 0;
        for (const QVariantList& call : notifications->methodCalls("Notify"))
            count += call.at(3) == "A new version of Ampra is available";
        return count;
    };
    for (const char* expected : {"Ampra 99.0 is out", "Next update check after"}) {
        QProcess ampra;
        startAmpra(ampra, "en", server.url("/appcast.xml"));
        QByteArray output;
        // The feed is served by this test's event loop, so it runs while waiting.
        EXPECT_TRUE(waitFor([&] {
            output += ampra.readAllStandardOutput();
            return output.contains(expected);
        })) << output.toStdString();
        EXPECT_TRUE(waitFor([&] { return updateNotices() == 1; }));
        ampra.terminate();
        ASSERT_TRUE(ampra.waitForFinished(10000));
    }
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(updateNotices(), 1);
}

// The signal handling is in place before the long work of a first launch: a SIGTERM during the
// migration of a long old history quits in order once it is done, with everything stored.
TEST(AmpraProcessTest, SigtermDuringTheFirstLaunchMigrationQuitsInOrder) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           "/com.vantrel.Ampra";
    QDir(folder).removeRecursively();
    QFile::remove(settingsPath());
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile history(folder + "/savedStatus.plist");
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    history.write(ampraOneHistoryFile(100000));
    history.close();

    QProcess ampra;
    startAmpra(ampra);
    ASSERT_TRUE(waitFor([&] { return !history.exists(); })); // moved: the import has begun
    ampra.terminate();
    ASSERT_TRUE(ampra.waitForFinished(30000));
    EXPECT_EQ(ampra.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(SettingsStore(settingsPath()).objectForKey("isFirstLaunch"), QVariant(false));
    QProcess sqlite;
    sqlite.start("sqlite3", {folder + "/Ampra.storedata", "SELECT count(*) FROM Calibration"});
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(sqlite.readAllStandardOutput().trimmed(), "50000");
}

// Without a session bus there is neither a tray nor a notification server, and the log says so.
TEST(AmpraProcessTest, WithoutASessionBusTheLogDoesNotPromiseNotifications) {
    QProcess ampra;
    startAmpra(ampra, "en", {}, "unix:path=/nonexistent/bus");
    QByteArray output;
    while (!output.contains("No system tray") && ampra.waitForReadyRead(15000))
        output += ampra.readAllStandardOutput();
    ampra.terminate();
    ASSERT_TRUE(ampra.waitForFinished(10000));
    EXPECT_TRUE(output.contains("no session bus, so no notifications either"))
        << output.toStdString();
}

} // namespace
