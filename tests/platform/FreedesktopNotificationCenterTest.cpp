#include "platform/linux/FreedesktopNotificationCenter.h"

#include "support/WaitFor.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<DBusMock> startServer() {
    return DBusMock::fromTemplate(DBusMock::Bus::Session, "notification_daemon",
                                  "org.freedesktop.Notifications",
                                  "/org/freedesktop/Notifications");
}

QList<QVariantList> waitForNotifications(const DBusMock& server, int count) {
    QList<QVariantList> calls;
    waitFor([&] {
        calls = server.methodCalls("Notify");
        return calls.size() >= count;
    });
    return calls;
}

TEST(FreedesktopNotificationCenterTest, SendsTitleAndSubtitleAsAmpraWithTheServerDefaults) {
    auto server = startServer();
    ASSERT_TRUE(server);
    FreedesktopNotificationCenter center;
    center.deliver("Change on power source", "Now running on AC", false);
    center.deliver("Low battery", "Battery charge is under 5 %", true);

    const QList<QVariantList> calls = waitForNotifications(*server, 2);
    ASSERT_EQ(calls.size(), 2);
    const QVariantList& normal = calls.at(0);
    ASSERT_EQ(normal.size(), 8);
    EXPECT_EQ(normal.at(0).toString(), "Ampra");
    EXPECT_EQ(normal.at(1).toUInt(), 0u);
    EXPECT_EQ(normal.at(2).toString(), "com.vantrel.Ampra");
    EXPECT_EQ(normal.at(3).toString(), "Change on power source");
    EXPECT_EQ(normal.at(4).toString(), "Now running on AC");
    EXPECT_TRUE(normal.at(5).toList().isEmpty());
    EXPECT_FALSE(normal.at(6).toMap().contains("urgency"));
    EXPECT_EQ(normal.at(7).toInt(), -1);

    const QVariantMap hints = calls.at(1).at(6).toMap();
    EXPECT_EQ(calls.at(1).at(3).toString(), "Low battery");
    ASSERT_TRUE(hints.contains("urgency"));
    EXPECT_EQ(hints.value("urgency").userType(), QMetaType::UChar);
    EXPECT_EQ(hints.value("urgency").toInt(), 2);
}

TEST(FreedesktopNotificationCenterTest, EscapesTheBodyOnlyForServersThatReadMarkup) {
    const QString subtitle = "Charge <b>under</b> 20 % & falling";
    {
        auto server = startServer(); // advertises body-markup
        ASSERT_TRUE(server);
        FreedesktopNotificationCenter center;
        center.deliver("Calibration process:", subtitle, false);
        const QList<QVariantList> calls = waitForNotifications(*server, 1);
        ASSERT_EQ(calls.size(), 1);
        EXPECT_EQ(calls.at(0).at(4).toString(),
                  "Charge &lt;b&gt;under&lt;/b&gt; 20 % &amp; falling");
    }
    auto plainServer = startServer();
    ASSERT_TRUE(plainServer);
    plainServer->mock("AddMethod", {"org.freedesktop.Notifications", "GetCapabilities", "", "as",
                                    "ret = ['body']"});
    FreedesktopNotificationCenter center;
    center.deliver("Calibration process:", subtitle, false);
    const QList<QVariantList> calls = waitForNotifications(*plainServer, 1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls.at(0).at(4).toString(), subtitle);
}

TEST(FreedesktopNotificationCenterTest, WithoutServerLogsOnceAndDeliversWhenOneComes) {
    LogCapture log("platform.notifications");
    FreedesktopNotificationCenter center;
    center.deliver("Unplug your mac", "You have been connected for too long", false);
    ASSERT_TRUE(waitFor([&] { return !log.lines().empty(); }));
    center.deliver("Low battery", "Battery charge is under 20 %", false);
    settle();
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines().front().level, log4cplus::WARN_LOG_LEVEL);

    auto server = startServer();
    ASSERT_TRUE(server);
    center.deliver("Change on power source", "Now running on battery", false);
    const QList<QVariantList> calls = waitForNotifications(*server, 1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls.at(0).at(4).toString(), "Now running on battery");
    EXPECT_EQ(log.lines().size(), 1u);
}

} // namespace
