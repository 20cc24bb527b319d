#include "battery/ExtraBatteryInfo.h"

#include "FakePlatform.h"

#include <QFile>
#include <array>
#include <gtest/gtest.h>

namespace {

std::optional<QString> fixture(const char* name) {
    QFile file(QStringLiteral(AMPRA_FIXTURES "/ioreg/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

// Design cycle count, cycle count, design capacity, full-charge capacity.
std::array<qint64, 4> counters(FakeRegistryDump& dump) {
    const ExtraBatteryInfo info(dump, "BAT0");
    return {info.getDesignCycleCount(), info.getCycleCount(), info.getDesignCapacity(),
            info.getMaxCapacity()};
}

using Counters = std::array<qint64, 4>;

TEST(ExtraBatteryInfoTest, PicksWholeLinePropertiesOutOfTheSmartBatteryDump) {
    FakeRegistryDump dump;
    dump.branches["AppleSmartBattery"] = fixture("apple-smart-battery.txt");
    // "DesignCycleCount" is not taken for "CycleCount", nor "DesignCycleCount70" for the design
    // count; the one-line LegacyBatteryInfo dictionary never matches.
    EXPECT_EQ(counters(dump), (Counters{1000, 612, 6669, 5400}));

    // Nothing before the key, or a space after the digits: no match.
    dump.branches["AppleSmartBattery"] = fixture("unindented-and-trailing-space.txt");
    EXPECT_EQ(counters(dump), (Counters{1000, 0, 6669, 0}));
    EXPECT_EQ(dump.asked, (QStringList{"AppleSmartBattery", "AppleSmartBattery"}));
}

TEST(ExtraBatteryInfoTest, FallsBackToThePowerManagerBranchWhenTheBatteryHasNoCapacities) {
    FakeRegistryDump dump;
    dump.branches["AppleSmartBattery"] = fixture("apple-smart-battery-without-capacity.txt");
    dump.branches["IOPMUPowerSource"] = fixture("iopmu-power-source.txt");
    // Used although it lacks "DesignCapacity" too.
    EXPECT_EQ(counters(dump), (Counters{0, 140, 0, 4185}));
}

TEST(ExtraBatteryInfoTest, ReadsZeroForPropertiesListedTwiceOrWithoutAnyOutput) {
    FakeRegistryDump twoBatteries;
    twoBatteries.branches["AppleSmartBattery"] = fixture("two-batteries.txt");
    EXPECT_EQ(counters(twoBatteries), (Counters{0, 0, 0, 0}));

    FakeRegistryDump noTool;
    EXPECT_EQ(counters(noTool), (Counters{0, 0, 0, 0}));
    EXPECT_EQ(noTool.asked, (QStringList{"AppleSmartBattery", "IOPMUPowerSource"}));
}

TEST(ExtraBatteryInfoTest, AppliesTheSameRuleToTheUeventAndConvertsToMilliampHours) {
    FakeRegistryDump dump(RegistryDump::Format::uevent);
    dump.branches["BAT0"] = QStringLiteral("POWER_SUPPLY_CYCLE_COUNT=12x\n"
                                           "POWER_SUPPLY_CHARGE_FULL_DESIGN=5000400\n"
                                           "POWER_SUPPLY_CHARGE_FULL_DESIGN=5000400\n"
                                           "POWER_SUPPLY_CHARGE_FULL=4000500\n"
                                           "POWER_SUPPLY_CHARGE_FULL=-1");
    EXPECT_EQ(counters(dump), (Counters{0, 0, 0, 4001}));

    // 57 Wh at a design voltage of 11.4 V.
    dump.branches["BAT0"] = QStringLiteral("POWER_SUPPLY_ENERGY_FULL_DESIGN=57000000\n"
                                           "POWER_SUPPLY_ENERGY_FULL=50000000\n"
                                           "POWER_SUPPLY_VOLTAGE_MIN_DESIGN=11400000\n"
                                           "POWER_SUPPLY_CYCLE_COUNT=99999999999999999999");
    EXPECT_EQ(counters(dump), (Counters{0, 0, 5000, 4386}));
}

} // namespace
