// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/DesktopPowerSettings.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The running desktop's own settings first, any installed one else, none without one.
TEST(DesktopPowerSettingsTest, PicksTheDesktopsOwnSettings) {
    struct Row {
        QString desktop;
        QStringList installed;
        std::optional<QStringList> command;
    };
    const QStringList gnome{u"/usr/bin/gnome-control-center"_s, u"power"_s};
    const QStringList plasma{u"/usr/bin/systemsettings"_s, u"kcm_powerdevilprofilesconfig"_s};
    const QStringList xfce{u"/usr/bin/xfce4-power-manager-settings"_s};
    const QStringList all{u"gnome-control-center"_s, u"systemsettings"_s,
                          u"xfce4-power-manager-settings"_s};
    const Row rows[] = {
        {u"ubuntu:GNOME"_s, all, gnome},
        {u"KDE"_s, all, plasma},
        {u"XFCE"_s, all, xfce},
        {u"X-Cinnamon"_s, all, gnome},
        {u"KDE"_s,
         {u"systemsettings5"_s},
         QStringList{u"/usr/bin/systemsettings5"_s, u"powerdevilprofilesconfig"_s}},
        {u"GNOME"_s, {u"xfce4-power-manager-settings"_s}, xfce},
        {u"GNOME"_s, {}, std::nullopt},
    };
    for (const Row& row : rows) {
        const auto command = DesktopPowerSettings::command(row.desktop, [&](const QString& p) {
            return row.installed.contains(p) ? u"/usr/bin/"_s + p : QString();
        });
        EXPECT_EQ(command, row.command) << row.desktop.toStdString();
    }
}
