#include "platform/linux/SysfsPowerSourceService.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A power-supply folder written by the test; properties are given without "POWER_SUPPLY_".
class SysfsTree {
public:
    void add(const QString& name, const QString& type, const QStringList& properties) {
        QDir(_dir.path()).mkpath(name);
        QFile uevent(_dir.filePath(name + "/uevent"));
        ASSERT_TRUE(uevent.open(QIODevice::WriteOnly));
        uevent.write("POWER_SUPPLY_TYPE=" + type.toUtf8());
        for (const QString& property : properties)
            uevent.write("\nPOWER_SUPPLY_" + property.toUtf8());
    }
    QStringList batteries() const { return SysfsPowerSourceService(path()).copyPowerSourcesList(); }
    QString path() const { return _dir.path(); }

private:
    QTemporaryDir _dir;
};

TEST(SysfsPowerSourceServiceTest, ListsTheLaptopsBatteriesOnly) {
    EXPECT_EQ(SysfsPowerSourceService(AMPRA_FIXTURES "/sysfs/two-batteries-and-peripheral")
                  .copyPowerSourcesList(),
              (QStringList{"BAT0", "BAT1"}));
    SysfsTree tree;
    tree.add("BAT0", "Battery", {"PRESENT=0"}); // an empty battery bay
    tree.add("BAT1", "Battery", {"PRESENT=1"});
    tree.add("wacom_battery_0", "Battery", {"SCOPE=Device"});
    EXPECT_EQ(tree.batteries(), QStringList{"BAT1"});
}

struct Case {
    QStringList battery;
    QStringList mains; // one supply of type Mains or USB per item: "<type> <properties>"
    const char* key;
    QVariant expected; // invalid: the key is absent
};

TEST(SysfsPowerSourceServiceTest, DerivesEachKeyFromTheUevent) {
    const Case cases[] = {
        {{"CHARGE_NOW=2345", "CHARGE_FULL=4000"}, {}, "Current Capacity", qint64(59)},
        {{"CAPACITY=x", "ENERGY_NOW=10", "ENERGY_FULL=40"}, {}, "Current Capacity", qint64(25)},
        {{"CAPACITY=-3"}, {}, "Current Capacity", qint64(0)},
        {{"CHARGE_NOW=4100", "CHARGE_FULL=4000"}, {}, "Current Capacity", qint64(100)},
        {{"CHARGE_NOW=4100", "CHARGE_FULL=0"}, {}, "Current Capacity", {}},
        {{"STATUS=Not charging", "CAPACITY=95"}, {"Mains ONLINE=1"}, "Is Charged", true},
        {{"STATUS=Unknown", "CAPACITY=99"}, {"Mains ONLINE=1"}, "Is Charged", true},
        {{"STATUS=Not charging", "CAPACITY=99"}, {"Mains ONLINE=0"}, "Is Charged", false},
        {{"STATUS=Charging"}, {}, "Power Source State", "AC Power"},
        // A powered peripheral's port is not the machine's mains.
        {{}, {"USB ONLINE=1 SCOPE=Device", "USB ONLINE=0"}, "Power Source State", "Battery Power"},
        {{}, {"USB ONLINE=2", "Mains ONLINE=0"}, "Power Source State", "AC Power"},
        {{"HEALTH=Overheat", "CHARGE_FULL=9", "CHARGE_FULL_DESIGN=10"},
         {},
         "BatteryHealth",
         "Check Battery"},
        {{"HEALTH=Good", "CHARGE_FULL=79", "CHARGE_FULL_DESIGN=100"}, {}, "BatteryHealth", "Fair"},
        {{"HEALTH=Good"}, {}, "BatteryHealth", "Good"},
        {{"HEALTH=Unknown", "CHARGE_FULL=9", "CHARGE_FULL_DESIGN=0"}, {}, "BatteryHealth", {}},
    };
    for (const Case& test : cases) {
        SysfsTree tree;
        tree.add("BAT0", "Battery", test.battery);
        for (int i = 0; i < test.mains.size(); ++i) {
            QStringList properties = test.mains[i].split(' ');
            const QString type = properties.takeFirst();
            tree.add(QStringLiteral("AC%1").arg(i), type, properties);
        }
        SysfsPowerSourceService service(tree.path());
        ASSERT_EQ(service.copyPowerSourcesList(), QStringList{"BAT0"});
        EXPECT_EQ(service.powerSourceDescription("BAT0").value(test.key), test.expected)
            << test.key << " of " << test.battery.join(' ').toStdString() << " with "
            << test.mains.join(", ").toStdString();
    }
}

TEST(SysfsPowerSourceServiceTest, ReadsEachUeventOncePerSnapshot) {
    SysfsTree tree;
    tree.add("BAT0", "Battery", {"CYCLE_COUNT=7"});
    SysfsPowerSourceService service(tree.path());
    ASSERT_EQ(service.copyPowerSourcesList(), QStringList{"BAT0"});
    QDir(tree.path() + "/BAT0").removeRecursively();
    EXPECT_TRUE(service.ueventText("BAT0")->contains("POWER_SUPPLY_CYCLE_COUNT=7"));
    EXPECT_FALSE(service.powerSourceDescription("BAT0").isEmpty());
    EXPECT_TRUE(service.copyPowerSourcesList().isEmpty());
}

// However broken the firmware, the reader neither crashes nor reports a charge outside 0–100.
TEST(SysfsPowerSourceServiceTest, SurvivesGarbageInEveryAttribute) {
    const QStringList keys{"STATUS",     "CAPACITY",    "CHARGE_NOW",  "CHARGE_FULL",
                           "ENERGY_NOW", "ENERGY_FULL", "POWER_NOW",   "CURRENT_NOW",
                           "HEALTH",     "PRESENT",     "VOLTAGE_NOW", "CHARGE_FULL_DESIGN"};
    const QStringList values{"",     "-1",   "0",   "100", "255",         "Charging",
                             "Full", "\xff", " 7 ", "1e3", "Discharging", "9999999999999999999999"};
    QRandomGenerator random(20240301);
    SysfsTree tree;
    for (int round = 0; round < 300; ++round) {
        QStringList properties;
        for (const QString& key : keys)
            if (random.bounded(3) != 0)
                properties.append(key + '=' + values.at(random.bounded(values.size())));
        tree.add("BAT0", "Battery", properties);
        tree.add("AC", "Mains", {"ONLINE=" + values.at(random.bounded(values.size()))});
        SysfsPowerSourceService service(tree.path());
        for (const QString& battery : service.copyPowerSourcesList()) {
            const QVariantMap description = service.powerSourceDescription(battery);
            const qint64 charge = description.value("Current Capacity", 0).toLongLong();
            EXPECT_TRUE(charge >= 0 && charge <= 100) << properties.join(' ').toStdString();
            EXPECT_GE(description.value("Time to Empty").toLongLong(), -1);
            EXPECT_GE(description.value("Time to Full Charge").toLongLong(), -1);
        }
    }
}

} // namespace
