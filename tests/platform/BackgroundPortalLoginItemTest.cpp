// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/BackgroundPortalLoginItem.h"

#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

// The portal answers on the request object named by the caller's token, before its reply.
TEST(BackgroundPortalLoginItemTest, AsksThePortalAndLogsItsAnswer) {
    auto portal = DBusMock::bare(DBusMock::Bus::Session,
                                 QString::fromLatin1(BackgroundPortalLoginItem::kService),
                                 QString::fromLatin1(BackgroundPortalLoginItem::kPath),
                                 QString::fromLatin1(BackgroundPortalLoginItem::kInterface));
    ASSERT_TRUE(portal);
    const QString sender = QDBusConnection::sessionBus().baseService().mid(1).replace(u'.', u'_');
    portal->mock(
        u"AddMethod"_s,
        {QString::fromLatin1(BackgroundPortalLoginItem::kInterface), u"RequestBackground"_s,
         u"sa{sv}"_s, u"o"_s,
         u"path = '/org/freedesktop/portal/desktop/request/%1/' + args[1]['handle_token']\n"
         "self.AddObject(path, 'org.freedesktop.portal.Request', {}, [])\n"
         "objects[path].EmitSignal('org.freedesktop.portal.Request', 'Response', 'ua{sv}',"
         " [0, {'autostart': args[1]['autostart']}])\n"
         "ret = path"_s.arg(sender)});
    LogCapture log("platform.autostart");
    BackgroundPortalLoginItem item;
    for (const bool enabled : {true, false}) {
        EXPECT_TRUE(item.setLoginItemEnabled(enabled));
        const std::string answer =
            "The Background portal answered 0, autostart " + std::to_string(int(enabled));
        EXPECT_TRUE(waitFor([&] { return log.count(answer) == 1; })) << answer;
    }
    const QList<QVariantList> calls = portal->methodCalls(u"RequestBackground"_s);
    ASSERT_EQ(calls.size(), 2);
    const QVariantMap options = calls[0].at(1).toMap();
    EXPECT_EQ(options.value(u"autostart"_s), true);
    EXPECT_EQ(options.value(u"commandline"_s).toStringList(), QStringList{u"ampra"_s});
    EXPECT_FALSE(options.value(u"reason"_s).toString().isEmpty());
}

} // namespace
