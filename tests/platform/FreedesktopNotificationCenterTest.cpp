// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/FreedesktopNotificationCenter.h"

#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <gtest/gtest.h>

namespace {

TEST(FreedesktopNotificationCenterTest, SendsTitleAndSubtitleAsAmpraWithTheServerDefaults) {
    auto server = DBusMock::notificationDaemon();
    ASSERT_TRUE(server);
    FreedesktopNotificationCenter center;
    center.deliver("Change on power source", "Now running on AC", false);
    center.deliver("Low battery", "Charge <b>under</b> 5 % & falling", true);

    const QList<QVariantList> calls = server->methodCalls("Notify", 2);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].mid(0, 6),
              (QVariantList{"Ampra", 0u, "com.vantrel.Ampra", "Change on power source",
                            "Now running on AC", QStringList()}));
    EXPECT_FALSE(calls[0].at(6).toMap().contains("urgency"));
    EXPECT_EQ(calls[0].at(7), -1);
    // The server reads markup, so the body is escaped.
    EXPECT_EQ(calls[1].at(4), "Charge &lt;b&gt;under&lt;/b&gt; 5 % &amp; falling");
    const QVariant urgency = calls[1].at(6).toMap().value("urgency");
    EXPECT_EQ(urgency.userType(), QMetaType::UChar);
    EXPECT_EQ(urgency.toInt(), 2);
}

// A server that comes later gets what is delivered from then on, as it can show it: here plain
// text, and an action run once.
TEST(FreedesktopNotificationCenterTest, WithoutServerLogsOnceAndUsesWhatTheServerThatComesCanDo) {
    LogCapture log("platform.notifications");
    FreedesktopNotificationCenter center;
    center.deliver("Unplug your mac", "You have been connected for too long", false);
    ASSERT_TRUE(waitFor([&] { return !log.lines().empty(); }));
    center.deliver("Low battery", "Battery charge is under 20 %", false);
    settle();
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines().front().level, log4cplus::WARN_LOG_LEVEL);

    auto server = DBusMock::notificationDaemon();
    ASSERT_TRUE(server);
    server->mock("AddMethod", {"org.freedesktop.Notifications", "GetCapabilities", "", "as",
                               "ret = ['body', 'actions']"});
    center.deliver("Calibration process:", "Charge <b>under</b> 20 %", false);
    int taken = 0;
    center.deliverWithAction("A new version of Ampra is available", "Ampra 1.3 is out.", "Download",
                             [&] { ++taken; });
    const QList<QVariantList> calls = server->methodCalls("Notify", 2);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].at(4), "Charge <b>under</b> 20 %");
    EXPECT_EQ(calls[1].at(5), (QStringList{"default", "Download", "action", "Download"}));
    EXPECT_EQ(log.lines().size(), 1u);

    const QString interface = "org.freedesktop.Notifications";
    server->emitSignal(interface, "ActionInvoked", "us", {1u, "default"}); // not one with an action
    server->emitSignal(interface, "ActionInvoked", "us", {2u, "action"});
    ASSERT_TRUE(waitFor([&] { return taken == 1; }));
    server->emitSignal(interface, "NotificationClosed", "uu", {2u, 2u});
    server->emitSignal(interface, "ActionInvoked", "us", {2u, "default"});
    settle();
    EXPECT_EQ(taken, 1);
}

} // namespace
