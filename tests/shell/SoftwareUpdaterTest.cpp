// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/SoftwareUpdater.h"

#include "persistence/SettingsStore.h"
#include "shell/UserNotificationCenter.h"
#include "shell/VersionComparator.h"
#include "shell/WebVersionSupport.h"
#include "support/FakeDateProvider.h"
#include "support/LocalHttpServer.h"
#include "support/LogCapture.h"
#include "support/ManualTimerProvider.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

using namespace Qt::Literals::StringLiterals;
using testing::AllOf, testing::Each, testing::HasSubstr, testing::SizeIs;
using Answer = LocalHttpServer::Answer;

struct RecordingNotificationCenter : UserNotificationCenter {
    struct Notice {
        QString title, subtitle, actionTitle;
        std::function<void()> action;
    };
    void deliver(const QString&, const QString&, bool) override {}
    void deliverWithAction(const QString& title, const QString& subtitle,
                           const QString& actionTitle, std::function<void()> action) override {
        notices.append({title, subtitle, actionTitle, std::move(action)});
    }
    QList<Notice> notices;
};

// An older item first: the newest is taken, not the first.
QByteArray feed(const char* version,
                const QString& notes = u"<ul><li>Faster &amp; <b>smaller</b></li></ul>"_s) {
    return uR"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
 <item><title>Old</title><sparkle:version>0.9</sparkle:version></item>
 <item><title>Ampra %1</title><link>https://example.org/download</link>
  <description><![CDATA[%2]]></description>
  <sparkle:version>%1</sparkle:version>
  <sparkle:shortVersionString>%1 "Aurora"</sparkle:shortVersionString>
  <enclosure url="https://example.org/ampra.deb" length="1" type="application/octet-stream"/>
 </item></channel></rss>)"_s.arg(QLatin1StringView(version), notes)
        .toUtf8();
}

// Valid feeds beyond what Ampra reads: 60 000 nested elements in a title, more items than any
// real feed, and a feed past the size limit.
QByteArray nestedFeed() {
    return "<rss><channel><item><title>" + QByteArray("<a>").repeated(60000);
}
QByteArray crowdedFeed() {
    return "<rss><channel>" + QByteArray("<item><title>x</title></item>").repeated(1001) +
           "</channel></rss>";
}
QByteArray largeFeed() {
    return feed("1.3").replace("<rss", "<!--" + QByteArray(4 << 20, 'x') + "--><rss");
}

class SoftwareUpdaterTest : public testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings = openSettings();
    FakeDateProvider clock;
    RecordingNotificationCenter notifications;
    LocalHttpServer server;
    ManualTimerProvider* timer = nullptr;
    QList<QUrl> opened;

    std::unique_ptr<SettingsStore> openSettings() {
        return std::make_unique<SettingsStore>(dir.filePath(u"settings.json"_s));
    }

    std::unique_ptr<SoftwareUpdater> makeUpdater(int timeoutMs = 5000) {
        auto manualTimer = std::make_unique<ManualTimerProvider>();
        timer = manualTimer.get();
        auto updater =
            std::make_unique<SoftwareUpdater>(server.url(u"/appcast.xml"_s), u"1.2"_s, *settings,
                                              clock, std::move(manualTimer), notifications);
        updater->setTimeout(timeoutMs);
        updater->setUrlOpener([this](const QUrl& url) { opened.append(url); });
        return updater;
    }

    // Starts automatic checks the way the application does and waits for `checks` to end.
    std::unique_ptr<WebVersionSupport> startAutomatic(int timeoutMs = 5000, qsizetype checks = 1) {
        auto support = std::make_unique<WebVersionSupport>(makeUpdater(timeoutMs));
        QSignalSpy finished(support->updater(), &SoftwareUpdater::updateCycleFinished);
        EXPECT_TRUE(waitFor([&] { return finished.size() == checks; }));
        return support;
    }
};

TEST(VersionComparatorTest, OrdersVersionsAsFeedsWriteThem) {
    const struct {
        const char16_t *older, *newer;
    } cases[] = {
        {u"1.2", u"1.3"},     {u"1.9", u"1.10"}, {u"1.0b1", u"1.0"},    {u"1.0", u"1.0.1"},
        {u"1.0a2", u"1.0b1"}, {u"0.9.9", u"1"},  {u"1.0rc1", u"1.0.0"}, {u"2", u"10"},
    };
    for (const auto& c : cases) {
        const QString older = QString::fromUtf16(c.older), newer = QString::fromUtf16(c.newer);
        EXPECT_LT(VersionComparator::compareVersions(older, newer), 0) << older.toStdString();
        EXPECT_GT(VersionComparator::compareVersions(newer, older), 0) << older.toStdString();
    }
    EXPECT_EQ(VersionComparator::compareVersions(u"1.02"_s, u"1.2"_s), 0);
}

TEST_F(SoftwareUpdaterTest, AutomaticCheckNotifiesOnlyOfANewerVersionAndLogsEachFailureOnce) {
    const struct {
        const char* name;
        int status;
        QByteArray body;
        bool notifies;
        const char* warning;
        Answer answer = Answer::Whole;
        QByteArray location = {};
    } cases[] = {
        {"newer", 200, feed("1.3"), true, nullptr},
        {"same", 200, feed("1.2"), false, nullptr},
        {"older", 200, feed("1.1"), false, nullptr},
        {"malformed", 200, "<rss><channel><item><title>", false, "not readable"},
        {"not an appcast", 200, "<html><body>Moved</body></html>", false, "not an RSS"},
        {"404", 404, "gone", false, "failed"},
        {"never answers", 200, {}, false, "no answer within 300 ms", Answer::Nothing},
        // Its body never ends, so Qt would never turn to the redirect itself.
        {"redirect to data", 302, "<html>", false, "redirected to data:", Answer::Endless,
         "data:,<rss/>"},
        {"deeply nested", 200, nestedFeed(), false, "nested deeper than 64"},
        {"crowded", 200, crowdedFeed(), false, "more than 1000 items"},
        {"large", 200, largeFeed(), false, "larger than 1048576 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings->removeObjectForKey(SoftwareUpdater::kLastCheckTimeKey);
        settings->removeObjectForKey(SoftwareUpdater::kLastNotifiedVersionKey);
        notifications.notices.clear();
        server.serve("/appcast.xml", {c.status, c.body, c.answer, c.location});
        LogCapture log("shell.updater");
        auto updater = startAutomatic(300);

        EXPECT_EQ(server.requests().last().userAgent, "Ampra/1.2");
        EXPECT_EQ(settings->objectForKey(SoftwareUpdater::kLastCheckTimeKey), clock.now());
        ASSERT_EQ(notifications.notices.size(), c.notifies ? 1 : 0);
        EXPECT_THAT(log.messages(log4cplus::WARN_LOG_LEVEL),
                    AllOf(SizeIs(c.warning ? 1 : 0), Each(HasSubstr(c.warning ? c.warning : ""))));
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()); // never a dialog
        if (c.notifies) { // names both versions and opens the release's page
            EXPECT_EQ(notifications.notices[0].subtitle,
                      u"Ampra 1.3 \"Aurora\" is out. You have 1.2."_s);
            notifications.notices[0].action();
            EXPECT_EQ(opened, QList<QUrl>{QUrl(u"https://example.org/download"_s)});
        }
    }
}

// After a restart three days later the settings are read afresh and nothing is due for a week.
TEST_F(SoftwareUpdaterTest, ChecksWeeklyAcrossRestartsAndNotifiesOncePerVersion) {
    server.serve("/appcast.xml", {200, feed("1.3")});
    const QDateTime start = clock.now();
    startAutomatic().reset();
    settings = openSettings();
    LogCapture log("shell.updater");
    const auto restarted = startAutomatic(5000, 0);
    QSignalSpy finished(restarted->updater(), &SoftwareUpdater::updateCycleFinished);
    const std::string checking =
        "Checking for updates at " + server.url(u"/appcast.xml"_s).toString().toStdString();
    const struct {
        qint64 seconds;
        const char* version;
        qsizetype checks, notices;
    } rows[] = {{3 * 86400, "1.3", 0, 1},
                {604799, "1.3", 0, 1},
                {604800, "1.3", 1, 1},
                {14 * 86400, "1.4", 2, 2},
                {21 * 86400, "01.4", 3, 2}, // the same version, written otherwise
                {28 * 86400, "1.5\n2026-12-06 09:00:00.000 - WARN # forged", 4, 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.seconds);
        server.serve("/appcast.xml", {200, feed(row.version)});
        clock.setNow(start.addSecs(row.seconds));
        timer->fire();
        QCoreApplication::processEvents();
        EXPECT_EQ(log.count(checking), row.checks); // started at once when due
        ASSERT_TRUE(waitFor([&] { return finished.size() == row.checks; }));
        EXPECT_EQ(server.requests().size(), row.checks + 1);
        EXPECT_EQ(notifications.notices.size(), row.notices); // each version told once
    }
    for (const LogCapture::Line& line : log.lines()) // a feed's value cannot forge a line
        EXPECT_EQ(line.message.find('\n'), std::string::npos) << line.message;
}

TEST_F(SoftwareUpdaterTest, TheMenuItemChecksAndAnswersInADialog) {
    const QString newer = u"A new version of Ampra is available!"_s;
    const struct {
        const char* name;
        int status;
        QByteArray body;
        QString headline, notes;
    } cases[] = {
        // The feed's HTML notes are shown as text.
        {"newer", 200, feed("1.3"), newer, u"Faster &amp; smaller"_s},
        {"same", 200, feed("1.2"), u"You're up to date!"_s, {}},
        {"404", 404, "gone", u"Update Error!"_s, {}},
        // Only the start of the notes is parsed: markup slows the parser down to minutes.
        {"heavy notes", 200, feed("1.3", u"<b>"_s.repeated(2000) + u"Hidden"_s), newer, {}},
    };
    WebVersionSupport support(makeUpdater());
    QSignalSpy finished(support.updater(), &SoftwareUpdater::updateCycleFinished);
    QAction* item = support.checkForUpdateMenuItem(&support);
    EXPECT_EQ(item->text(), u"Check for update..."_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/appcast.xml", {c.status, c.body});
        item->trigger();
        item->trigger(); // joins the running check
        ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }));
        finished.clear();
        QCoreApplication::processEvents();
        const QWidgetList windows = QApplication::topLevelWidgets();
        ASSERT_EQ(windows.size(), 1); // a new answer replaces the last
        auto* dialog = qobject_cast<QMessageBox*>(windows.first());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->text(), c.headline);
        EXPECT_TRUE(dialog->informativeText().contains(c.notes));
        EXPECT_FALSE(dialog->informativeText().contains(u"Hidden"_s));
        for (QAbstractButton* button : dialog->buttons())
            if (button->text() == u"Download")
                button->click();
    }
    WebVersionSupport withoutFeed(nullptr);
    withoutFeed.checkForUpdateMenuItem(&withoutFeed)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(server.requests().size(), 4);
    EXPECT_TRUE(notifications.notices.isEmpty());
    EXPECT_EQ(opened, QList<QUrl>(2, QUrl(u"https://example.org/download"_s)));
}

TEST_F(SoftwareUpdaterTest, UpdatesAreCheckedOnlyWithAFeedNamedByTheEnvironment) {
    const struct {
        QByteArray variable;
        bool updater;
    } cases[] = {{"", false},
                 {"ftp://example.org/appcast.xml", false},
                 {"not a url", false},
                 {"http:/etc/appcast.xml", false}, // no host: a local file
                 {server.url(u"/appcast.xml"_s).toEncoded(), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable.toStdString());
        qputenv("AMPRA_APPCAST_URL", c.variable);
        const auto support = WebVersionSupport::create(*settings, clock, notifications);
        EXPECT_EQ(support->updater() != nullptr, c.updater);
    }
    qputenv("AMPRA_APPCAST_URL", "");
}

} // namespace
