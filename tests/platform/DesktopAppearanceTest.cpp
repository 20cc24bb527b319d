// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/DesktopAppearance.h"

#include "support/DBusMock.h"
#include "support/WaitFor.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSettings = "org.freedesktop.portal.Settings";

TEST(DesktopAppearanceTest, FollowsThePortalWithoutWaitingForIt) {
    const auto portal = DBusMock::bare(DBusMock::Bus::Session, "org.freedesktop.portal.Desktop",
                                       "/org/freedesktop/portal/desktop", kSettings);
    ASSERT_TRUE(portal);
    portal->mock("AddMethod", {kSettings, "Read", "ss", "v", "ret = dbus.UInt32(1)"});

    DesktopAppearance appearance;
    int changes = 0;
    QObject::connect(&appearance, &AppearanceProvider::interfaceStyleChanged, [&] { ++changes; });
    // The offscreen palette is light; the portal's dark answer comes after the start.
    EXPECT_EQ(appearance.interfaceStyle(), "Light");
    ASSERT_TRUE(waitFor([&] { return appearance.interfaceStyle() == "Dark"; }));
    EXPECT_EQ(changes, 1);

    const auto change = [&](const char* key, uint value) {
        portal->emitSignal(kSettings, "SettingChanged", "ssv",
                           {"org.freedesktop.appearance", key, value});
    };
    change("color-scheme", 2);
    ASSERT_TRUE(waitFor([&] { return appearance.interfaceStyle() == "Light"; }));
    EXPECT_EQ(changes, 2);
    change("accent-color", 1);
    change("color-scheme", 2);
    change("color-scheme", 1);
    ASSERT_TRUE(waitFor([&] { return appearance.interfaceStyle() == "Dark"; }));
    EXPECT_EQ(changes, 3); // another setting, or the same scheme again, is no change
}

} // namespace
