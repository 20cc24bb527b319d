// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/ExtraBatteryInfo.h"

#include "FakePlatform.h"
#include "support/Files.h"
#include "support/LogCapture.h"

#include <QFile>
#include <array>
#include <gtest/gtest.h>

namespace {

using Counters = std::array<qint64, 4>;

QString fixture(const char* name) {
    return QString::fromUtf8(readFile(QStringLiteral(AMPRA_FIXTURES "/ioreg/") + name));
}

// Design cycle count, cycle count, design capacity, full-charge capacity.
Counters counters(FakeRegistryDump& dump) {
    const ExtraBatteryInfo info(dump, "BAT0");
    return {info.getDesignCycleCount(), info.getCycleCount(), info.getDesignCapacity(),
            info.getMaxCapacity()};
}

TEST(ExtraBatteryInfoTest, PicksWholeLinePropertiesOutOfTheRegistryDump) {
    // "DesignCycleCount" is not taken for "CycleCount", nor "DesignCycleCount70" for the design
    // count; the one-line LegacyBatteryInfo dictionary never matches. Nothing before the key or
    // a space after the digits is no match; a property listed twice reads as zero. Without
    // capacities the power manager's branch is used, although it lacks "DesignCapacity" too.
    const std::pair<const char*, Counters> cases[] = {
        {"apple-smart-battery.txt", {1000, 612, 6669, 5400}},
        {"unindented-and-trailing-space.txt", {1000, 0, 6669, 0}},
        {"two-batteries.txt", {0, 0, 0, 0}},
        {"apple-smart-battery-without-capacity.txt", {0, 140, 0, 4185}},
    };
    for (const auto& [name, expected] : cases) {
        FakeRegistryDump dump;
        dump.branches["AppleSmartBattery"] = fixture(name);
        dump.branches["IOPMUPowerSource"] = fixture("iopmu-power-source.txt");
        EXPECT_EQ(counters(dump), expected) << name;
        EXPECT_EQ(dump.asked.first(), "AppleSmartBattery");
    }
    FakeRegistryDump noTool;
    EXPECT_EQ(counters(noTool), (Counters{0, 0, 0, 0}));
    EXPECT_EQ(noTool.asked, (QStringList{"AppleSmartBattery", "IOPMUPowerSource"}));
}

TEST(ExtraBatteryInfoTest, AppliesTheSameRuleToTheUeventAndConvertsToMilliampHours) {
    const std::pair<const char*, Counters> cases[] = {
        // A key given twice reads as 0, without falling back on the energy keys.
        {"CYCLE_COUNT=12x CHARGE_FULL_DESIGN=5000400 CHARGE_FULL_DESIGN=-1 CHARGE_FULL=4000500 "
         "CHARGE_FULL=4000500 ENERGY_FULL=50000000 VOLTAGE_MIN_DESIGN=11400000",
         {0, 0, 5000, 0}},
        // 57 Wh at a design voltage of 11.4 V.
        {"ENERGY_FULL_DESIGN=57000000 ENERGY_FULL=50000000 VOLTAGE_MIN_DESIGN=11400000 "
         "CYCLE_COUNT=99999999999999999999",
         {0, 0, 5000, 4386}},
        // Without a design voltage the present one converts; a capacity beyond any real battery
        // (over 1 000 000 mAh) counts as missing.
        {"ENERGY_FULL_DESIGN=57000000 ENERGY_FULL=50000000 VOLTAGE_NOW=12500000",
         {0, 0, 4560, 4000}},
        {"ENERGY_FULL_DESIGN=9223372036854775807 ENERGY_FULL=50000000 VOLTAGE_MIN_DESIGN=1",
         {0, 0, 0, 0}},
        {"CHARGE_FULL_DESIGN=9223372036854775807 CHARGE_FULL=1000000000", {0, 0, 0, 1000000}},
    };
    FakeRegistryDump dump(RegistryDump::Format::uevent);
    for (const auto& [uevent, expected] : cases) {
        dump.branches["BAT0"] = "POWER_SUPPLY_" + QString(uevent).replace(' ', "\nPOWER_SUPPLY_");
        EXPECT_EQ(counters(dump), expected) << uevent;
    }

    // A battery without design values is said once a run, not on every reading as on macOS.
    LogCapture log("battery.ExtraBatteryInfo");
    dump.branches["BAT0"] = "POWER_SUPPLY_CHARGE_FULL=4000500";
    counters(dump);
    counters(dump);
    EXPECT_LE(log.count("No Power Information found in ioreg."), 1);
    log.clear();
    FakeRegistryDump noTool;
    counters(noTool);
    counters(noTool);
    EXPECT_EQ(log.count("No Power Information found in ioreg."), 2);
}

} // namespace
