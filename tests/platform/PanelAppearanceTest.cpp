// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/PanelAppearance.h"

#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"
#include "support/Files.h"
#include "support/FixedAppearance.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr const char* kLightScheme = "[General]\nName=Breeze\n[Colors:Window]\n"
                                     "BackgroundNormal=239,240,241\n";
constexpr const char* kDarkScheme = "[Colors:View]\nBackgroundNormal=239,240,241\n"
                                    "[Colors:Window]\nBackgroundNormal=49, 54, 59\n";

void writeKdeglobals(const QTemporaryDir& folder, const char* content,
                     const char* name = "kdeglobals") {
    ASSERT_TRUE(writeFile(folder.filePath(name), content));
}

TEST(PanelAppearanceTest, TheIconFollowsThePanelNotTheApplications) {
    const struct {
        const char* desktop;
        const char* kdeglobals;
        const char* forced;
        const char* desktopScheme;
        const char* panel;
        const char* busName = nullptr; // owned on the session bus
    } cases[] = {
        {"ubuntu:GNOME", nullptr, "automatic", "Light", "Dark"},
        {"XFCE", nullptr, "automatic", "Light", "Dark"},
        {"X-Cinnamon", kLightScheme, "automatic", "Light", "Dark"},
        {"Budgie:GNOME", nullptr, "automatic", "Light", "Dark"},
        {"Pantheon", nullptr, "automatic", "Light", "Dark"},
        {"KDE", kLightScheme, "automatic", "Dark", "Light"},
        {"KDE", kDarkScheme, "automatic", "Light", "Dark"},
        {"KDE", "[Colors:View]\nBackgroundNormal=20,20,20\n", "automatic", "Dark", "Dark"},
        {"KDE", "[Colors:Window]\nBackgroundNormal=light\n", "automatic", "Light", "Light"},
        {"KDE", nullptr, "automatic", "Dark", "Dark"},
        {"MATE", nullptr, "automatic", "Light", "Light"},
        {"LXQt", kDarkScheme, "automatic", "Light", "Light"},
        {"", nullptr, "automatic", "Dark", "Dark"},
        {"", nullptr, "automatic", "Light", "Dark", "org.gnome.Shell"},
        {"", kDarkScheme, "automatic", "Light", "Dark", "org.kde.plasmashell"},
        {"", nullptr, "automatic", "Light", "Dark", "org.xfce.Panel"},
        {"MATE", nullptr, "automatic", "Light", "Light", "org.gnome.Shell"},
        {"XFCE", nullptr, "light", "Light", "Light"},
        {"KDE", kDarkScheme, "light", "Dark", "Light"},
        {"MATE", nullptr, "dark", "Light", "Dark"},
        {"XFCE", nullptr, "sepia", "Light", "Dark"},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        if (c.kdeglobals)
            writeKdeglobals(folder, c.kdeglobals);
        SettingsStore settings(folder.filePath("settings.json"));
        AmpraPreferences preferences(settings);
        settings.setObject(QString::fromLatin1(c.forced), AmpraPreferences::kPanelAppearance);
        FixedAppearance desktop;
        desktop.style = c.desktopScheme;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (c.busName) {
            ASSERT_TRUE(bus.registerService(c.busName));
        }
        const PanelAppearance panel(settings, desktop, c.desktop, folder.path());
        settle(bus);
        if (c.busName)
            bus.unregisterService(c.busName);
        EXPECT_EQ(panel.interfaceStyle(), c.panel)
            << c.desktop << " " << (c.kdeglobals ? c.kdeglobals : "-") << " " << c.forced;
    }
}

TEST(PanelAppearanceTest, AChangeOfSchemeOrSettingIsAnnouncedAtOnce) {
    QTemporaryDir folder;
    writeKdeglobals(folder, kLightScheme);
    SettingsStore settings(folder.filePath("settings.json"));
    AmpraPreferences preferences(settings);
    FixedAppearance desktop;
    LogCapture log("platform.appearance");
    PanelAppearance panel(settings, desktop, "KDE", folder.path());
    int changes = 0;
    QObject::connect(&panel, &AppearanceProvider::interfaceStyleChanged, [&] { ++changes; });

    // Plasma writes its scheme to a new file and renames it over the old one.
    writeKdeglobals(folder, kDarkScheme, "kdeglobals.new");
    QFile::remove(folder.filePath("kdeglobals"));
    QFile::rename(folder.filePath("kdeglobals.new"), folder.filePath("kdeglobals"));
    ASSERT_TRUE(waitFor([&] { return panel.interfaceStyle() == "Dark"; }));
    EXPECT_EQ(changes, 1);
    writeKdeglobals(folder, kLightScheme);
    ASSERT_TRUE(waitFor([&] { return panel.interfaceStyle() == "Light"; }));
    EXPECT_EQ(changes, 2);

    settings.setObject(QStringLiteral("dark"), AmpraPreferences::kPanelAppearance);
    EXPECT_EQ(panel.interfaceStyle(), "Dark");
    settings.setObject(QStringLiteral("sepia"), AmpraPreferences::kPanelAppearance);
    settings.setObject(QStringLiteral("sepia"), AmpraPreferences::kPanelAppearance);
    EXPECT_EQ(panel.interfaceStyle(), "Light");
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(log.count("Unknown panel appearance \"sepia\": the panel's own is used"), 1);
}

} // namespace
