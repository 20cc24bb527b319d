// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/SysfsPowerSourceService.h"

#include "support/FakeDateProvider.h"
#include "support/Files.h"
#include "support/LogCapture.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Power-supply folders written by the test; properties are given without "POWER_SUPPLY_". As in
// the kernel, the type and the scope are files of their own too; a property in lower case is an
// attribute file only, as the vendor drivers add them.
struct SysfsTree {
    void add(const QString& name, const QString& type, const QStringList& properties) {
        write(name + "/type", type + '\n');
        QString uevent = "POWER_SUPPLY_TYPE=" + type;
        for (const QString& property : properties) {
            if (property.front().isLower()) {
                write(name + '/' + property.section('=', 0, 0), property.section('=', 1) + '\n');
                continue;
            }
            uevent += "\nPOWER_SUPPLY_" + property;
            if (property.startsWith("SCOPE="))
                write(name + "/scope", property.section('=', 1) + '\n');
        }
        write(name + "/uevent", uevent);
    }
    void write(const QString& path, const QString& content) {
        ASSERT_TRUE(writeFile(dir.filePath(path), content.toUtf8()));
    }
    QTemporaryDir dir;
    FakeDateProvider clock;
    SysfsPowerSourceService service{dir.path(), clock};
};

TEST(SysfsPowerSourceServiceTest, ListsTheLaptopsBatteriesAndReadsEachOncePerSnapshot) {
    SysfsTree tree;
    tree.add("BAT0", "Battery", {"PRESENT=0"}); // an empty battery bay
    tree.add("BAT1", "Battery", {"PRESENT=1", "CYCLE_COUNT=7"});
    tree.add("BAT2", "Battery", {}); // there, but its uevent cannot be read
    ASSERT_TRUE(QFile::remove(tree.dir.filePath("BAT2/uevent")));
    // A peripheral's uevent can block on its wireless link, as a pipe nobody writes to does; a
    // pipe in a tree under AMPRA_SYSFS_ROOT must not hang the reading either.
    tree.add("BAT3", "Battery", {});
    tree.add("wacom_battery_0", "Battery", {"SCOPE=Device"});
    const QString pipes[] = {tree.dir.filePath("wacom_battery_0/uevent"),
                             tree.dir.filePath("BAT3/uevent")};
    for (const QString& pipe : pipes)
        ASSERT_TRUE(QFile::remove(pipe) && mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    auto listing =
        std::async(std::launch::async, [&] { return tree.service.copyPowerSourcesList(); });
    if (listing.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "a reading waited on a pipe";
        for (const QString& pipe : pipes) // lets the reader go
            ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(listing.get(), (QStringList{"BAT1", "BAT2", "BAT3"}));
    EXPECT_TRUE(tree.service.powerSourceDescription("BAT2").isEmpty());
    QDir(tree.dir.path()).removeRecursively();
    const auto values = tree.service.ueventValues("BAT1");
    ASSERT_TRUE(values);
    EXPECT_NE(std::find(values->begin(), values->end(),
                        PowerSupplyUevent::Values::value_type{"CYCLE_COUNT", "7"}),
              values->end());
    EXPECT_FALSE(tree.service.powerSourceDescription("BAT1").isEmpty());
    EXPECT_TRUE(tree.service.copyPowerSourcesList().isEmpty());
}

TEST(SysfsPowerSourceServiceTest, KeepsTheListOfSuppliesUntilToldItChanged) {
    SysfsTree tree;
    tree.service.keepSupplyList();
    tree.add("BAT0", "Battery", {"CAPACITY=50"});
    ASSERT_EQ(tree.service.copyPowerSourcesList(), QStringList{"BAT0"});
    // The uevent is read afresh; the type is not, and a new supply waits for the notice.
    ASSERT_TRUE(QFile::remove(tree.dir.filePath("BAT0/type")));
    tree.add("BAT1", "Battery", {"CAPACITY=60"});
    tree.write("BAT0/uevent", "POWER_SUPPLY_CAPACITY=49");
    EXPECT_EQ(tree.service.copyPowerSourcesList(), QStringList{"BAT0"});
    EXPECT_EQ(tree.service.powerSourceDescription("BAT0").value("Current Capacity"), 49);
    tree.service.supplyListChanged();
    EXPECT_EQ(tree.service.copyPowerSourcesList(), QStringList{"BAT1"});
    // A kept supply that cannot be read any more has the folder listed again.
    ASSERT_TRUE(QDir(tree.dir.filePath("BAT1")).removeRecursively());
    EXPECT_TRUE(tree.service.copyPowerSourcesList().isEmpty());
}

TEST(SysfsPowerSourceServiceTest, DerivesEachKeyFromTheUevent) {
    // Battery properties with "," between them; one supply of type Mains or USB per item of
    // `mains`: "<type> <properties>".
    const struct {
        const char* battery;
        const char* key;
        QVariant expected; // invalid: the key is absent
        QStringList mains = {};
    } cases[] = {
        {"CHARGE_NOW=2345,CHARGE_FULL=4000", "Current Capacity", qint64(59)},
        {"CAPACITY=x,ENERGY_NOW=10,ENERGY_FULL=40", "Current Capacity", qint64(25)},
        {"CAPACITY=-3", "Current Capacity", qint64(0)},
        {"CAPACITY=255", "Current Capacity", qint64(100)},
        {"CHARGE_NOW=4100,CHARGE_FULL=4000", "Current Capacity", qint64(100)},
        {"CHARGE_NOW=4100,CHARGE_FULL=0", "Current Capacity", {}},
        {"CHARGE_NOW=9223372036854775807,CHARGE_FULL=1", "Current Capacity", qint64(100)},
        // Mixed units: energy now, charge full, brought together by a voltage.
        {"ENERGY_NOW=20000000,CHARGE_FULL=4000000,VOLTAGE_MIN_DESIGN=10000000,"
         "VOLTAGE_NOW=12500000",
         "Current Capacity", qint64(50)},
        {"ENERGY_NOW=20000000,CHARGE_FULL=4000000", "Current Capacity", {}},
        {"STATUS=Not charging,CAPACITY=95", "Is Charged", true, {"Mains ONLINE=1"}},
        {"STATUS=Unknown,CAPACITY=99", "Is Charged", true, {"Mains ONLINE=1"}},
        {"STATUS=Not charging,CAPACITY=99", "Is Charged", false, {"Mains ONLINE=0"}},
        {"STATUS=Charging", "Power Source State", "AC Power"},
        // A powered peripheral's port is not the machine's mains.
        {"", "Power Source State", "Battery Power", {"USB ONLINE=1 SCOPE=Device", "USB ONLINE=0"}},
        {"", "Power Source State", "AC Power", {"USB ONLINE=2", "Mains ONLINE=0"}},
        {"HEALTH=Overheat,CHARGE_FULL=9,CHARGE_FULL_DESIGN=10", "BatteryHealth", "Check Battery"},
        {"HEALTH=Calibration required", "BatteryHealth", "Check Battery"},
        // Temperature states are no fault: the wear decides.
        {"HEALTH=Hot,CHARGE_FULL=79,CHARGE_FULL_DESIGN=100", "BatteryHealth", "Fair"},
        {"HEALTH=Cold", "BatteryHealth", {}},
        {"HEALTH=Good", "BatteryHealth", "Good"},
        {"HEALTH=Unknown,CHARGE_FULL=9,CHARGE_FULL_DESIGN=0", "BatteryHealth", {}},
        {"CHARGE_CONTROL_END_THRESHOLD=80", "Charge Limit", qint64(80)},
        // 100 is no limit, nor is a ThinkPad's 0; garbage is none either.
        {"charge_control_end_threshold=100", "Charge Limit", {}},
        {"charge_control_end_threshold=0", "Charge Limit", {}},
        {"charge_control_end_threshold=eighty", "Charge Limit", {}},
        // Charging at the limit, as some firmware says: no time to wait for.
        {"STATUS=Charging,CAPACITY=80,charge_control_end_threshold=80", "Time to Full Charge",
         qint64(0)},
        {"STATUS=Charging,CAPACITY=79,charge_control_end_threshold=80", "Time to Full Charge",
         qint64(-1)},
    };
    for (const auto& test : cases) {
        SysfsTree tree;
        tree.add("BAT0", "Battery", QString(test.battery).split(',', Qt::SkipEmptyParts));
        for (int i = 0; i < test.mains.size(); ++i) {
            QStringList properties = test.mains[i].split(' ');
            tree.add(QString("AC%1").arg(i), properties.takeFirst(), properties);
        }
        ASSERT_EQ(tree.service.copyPowerSourcesList(), QStringList{"BAT0"});
        EXPECT_EQ(tree.service.powerSourceDescription("BAT0").value(test.key), test.expected)
            << test.key << " of " << test.battery << " with "
            << test.mains.join(", ").toStdString();
    }
}

// Charging towards a limit of 80 % of 50 Wh, full is 40 Wh: 11 Wh to go at 12 W take 55 minutes.
TEST(SysfsPowerSourceServiceTest, TimeToFullEndsAtTheChargeLimit) {
    SysfsTree tree;
    QVariant minutes;
    for (const QString energy : {"28000000", "29000000"}) {
        tree.add("BAT0", "Battery",
                 {"STATUS=Charging", "ENERGY_FULL=50000000", "ENERGY_NOW=" + energy,
                  "charge_control_end_threshold=80"});
        tree.service.copyPowerSourcesList();
        minutes = tree.service.powerSourceDescription("BAT0").value("Time to Full Charge");
        tree.clock.advance(300);
    }
    EXPECT_EQ(minutes, qint64(55));
}

// Control bytes in a logged value are escaped: they could rewrite the terminal.
TEST(SysfsPowerSourceServiceTest, EscapesControlBytesInTheLog) {
    SysfsTree tree;
    LogCapture log("battery.sysfs");
    tree.add("BAT0", "Battery", {"CAPACITY=5\x1b[2Jx\x07"});
    tree.service.copyPowerSourcesList();
    tree.service.powerSourceDescription("BAT0");
    EXPECT_EQ(log.count("Ignoring a value that is not a number: BAT0 CAPACITY=5\\x1b[2Jx\\x07"), 1);
}

} // namespace
