// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/LinuxSystemProfile.h"

#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

TEST(LinuxSystemProfileTest, DescribesTheMachineWithoutSerialsOrNames) {
    QTemporaryDir root;
    writeFile(root.filePath(u"power_supply/BAT0/uevent"_s),
              "POWER_SUPPLY_NAME=BAT0\nPOWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_TECHNOLOGY=Li-ion\n"
              "POWER_SUPPLY_MANUFACTURER=SMP\nPOWER_SUPPLY_MODEL_NAME=01AV431\n"
              "POWER_SUPPLY_SERIAL_NUMBER=SN7Q4XZ2\nPOWER_SUPPLY_CHARGE_FULL_DESIGN=4400000\n"
              "POWER_SUPPLY_CHARGE_FULL=3740000\nPOWER_SUPPLY_CYCLE_COUNT=412\n");
    writeFile(root.filePath(u"power_supply/AC/uevent"_s),
              "POWER_SUPPLY_NAME=AC\nPOWER_SUPPLY_TYPE=Mains\nPOWER_SUPPLY_ONLINE=1\n");
    // A wireless mouse: its folder has its address, its model the name its owner gave it.
    writeFile(root.filePath(u"power_supply/hid-dc:2c:26:aa:bb:cc-battery/uevent"_s),
              "POWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_SCOPE=Device\n"
              "POWER_SUPPLY_MODEL_NAME=Alice Example's Magic Mouse\nPOWER_SUPPLY_CAPACITY=80\n");
    writeFile(root.filePath(u"dmi/sys_vendor"_s), "LENOVO\n");
    writeFile(root.filePath(u"dmi/product_name"_s), "20L5CTO1WW\n");
    writeFile(root.filePath(u"dmi/product_version"_s), "ThinkPad T480\n");
    writeFile(root.filePath(u"dmi/product_serial"_s), "PF1XK9QZ\n");
    writeFile(root.filePath(u"dmi/product_uuid"_s), "4c4c4544-0042-3510-8052-b4c04f4e4d32\n");

    const QString profile =
        LinuxSystemProfile(root.filePath(u"power_supply"_s), root.filePath(u"dmi"_s))
            .systemProfile();
    for (const QString& expected :
         {u"Model: 20L5CTO1WW ThinkPad T480\n"_s, u"Vendor: LENOVO\n"_s,
          u"Power supplies:\n  Mains:\n  Battery:\n    technology: Li-ion\n"
          "    charge_full_design: 4400000\n    charge_full: 3740000\n    cycle_count: 412\n"_s,
          u"Kernel: "_s + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion()})
        EXPECT_TRUE(profile.contains(expected)) << expected.toStdString();
    EXPECT_EQ(profile.count(u"Battery:"_s), 1); // not the mouse's
    QStringList personal{u"dc:2c:26"_s, u"Alice"_s,    u"SN7Q4XZ2"_s,
                         u"PF1XK9QZ"_s, u"4c4c4544"_s, QSysInfo::machineHostName(),
                         root.path()};
    if (QDir::homePath().size() > 1)
        personal << QDir::homePath();
    for (const QString& secret : personal)
        EXPECT_FALSE(profile.contains(secret)) << secret.toStdString();
}

} // namespace
