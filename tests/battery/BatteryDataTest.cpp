// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"

#include "FakePlatform.h"
#include "battery/BatteryDataProvider.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

struct FakeHijack : BatteryDataHijackSource {
    bool enableHijaking() const override { return on; }
    QVariantMap loadMainBatteryData() override { return dictionary; }
    bool on = false;
    QVariantMap dictionary;
};

const QVariantMap kDischarging{{"Current Capacity", 57},   {"Is Finish Charging", true},
                               {"Is Charged", true},       {"Power Source State", "Battery Power"},
                               {"BatteryHealth", "Fair"},  {"DesignCycleCount", 1000},
                               {"CycleCount", 3},          {"Time to Empty", 95},
                               {"Time to Full Charge", -1}};

// A live record over fake platform services with the one power source "BAT0".
class BatteryDataTest : public testing::Test {
protected:
    void refreshWith(const QVariantMap& description, const QStringList& sources = {"BAT0"}) {
        service->sources = sources;
        service->descriptions["BAT0"] = description;
        battery.refreshBasicBatteryData();
    }
    QString fields() const { return battery.description().section("]:", 1); }
    // Whether a battery is missing, its charge and the power source.
    std::tuple<bool, uint64_t, PowerSourceType> state() const {
        return {battery.noBattery, battery.currentChargePercentage, battery.powerSource};
    }

    FakePowerSourceService* service = new FakePowerSourceService;
    FakeRegistryDump* registry = new FakeRegistryDump;
    FakeChangeNotifier* notifier = new FakeChangeNotifier;
    BatteryData battery{std::make_unique<BatteryDataProvider>(
        std::unique_ptr<PowerSourceService>(service), std::unique_ptr<RegistryDump>(registry),
        std::unique_ptr<PowerSourceChangeNotifier>(notifier))};
};

TEST_F(BatteryDataTest, MapsTheDescriptionCompletedWithTheRegistryCounters) {
    registry->branches["AppleSmartBattery"] =
        "  | \"CycleCount\" = 612\n  | \"DesignCapacity\" = 6669\n";
    service->descriptions["BAT1"] = {{"Current Capacity", 99}};
    refreshWith(kDischarging, {"BAT0", "BAT1"});
    // The registry's cycle count replaces the description's; a time of -1 is still estimating.
    EXPECT_EQ(fields(), "isCharging:false, isCharged:true, isFinishCharging:true, "
                        "currentChargePercentage:57, batteryHealth:Optional(fair), "
                        "designCycleCount:1000, cycleCount:612, designCapacity:6669, "
                        "currectCapacity:0, timeToEmpty:95, timeToFull:0, "
                        "powerSource:batteryPowered");
    EXPECT_EQ(registry->asked, QStringList{"AppleSmartBattery"});

    // Missing keys or keys of the wrong kind reset the flags; the description's counters and
    // times stay.
    registry->branches.clear();
    refreshWith({{"Current Capacity", "57"},
                 {"Is Finish Charging", 1},
                 {"Power Source State", true},
                 {"BatteryHealth", "good"},
                 {"DesignCycleCount", "2000"},
                 {"Time to Empty", 3.5}});
    EXPECT_EQ(fields(), "isCharging:false, isCharged:false, isFinishCharging:false, "
                        "currentChargePercentage:0, batteryHealth:Optional(unknown), "
                        "designCycleCount:1000, cycleCount:0, designCapacity:0, currectCapacity:0, "
                        "timeToEmpty:95, timeToFull:0, powerSource:unknownPower");
    refreshWith({{"Current Capacity", 40},
                 {"Power Source State", "battery power"},
                 {"BatteryHealth", "Check Battery"}});
    EXPECT_EQ(battery.powerSource, PowerSourceType::acPowered);
    EXPECT_EQ(battery.batteryHealth, BatteryHealthType::check);
}

TEST_F(BatteryDataTest, ABatteryIsMissingOnlyWhileTheLatestReadingListsNone) {
    auto hijack = std::make_unique<FakeHijack>();
    hijack->dictionary = {{"Current Capacity", 12}, {"Power Source State", "AC Power"}};
    FakeHijack& override = *hijack;
    battery.hijackWC = std::move(hijack);
    refreshWith(kDischarging);
    registry->asked.clear();
    refreshWith(kDischarging, {});
    EXPECT_EQ(state(), std::tuple(true, 57u, PowerSourceType::batteryPowered));
    EXPECT_TRUE(registry->asked.isEmpty());
    refreshWith(kDischarging);
    EXPECT_EQ(state(), std::tuple(false, 57u, PowerSourceType::batteryPowered));

    override.on = true;
    refreshWith(kDischarging, {}); // the override stands in for a battery
    EXPECT_EQ(state(), std::tuple(false, 12u, PowerSourceType::acPowered));
    EXPECT_EQ(battery.designCycleCount, 1000u);
    // A reading that yields nothing stops before the override.
    override.dictionary["Current Capacity"] = 13;
    refreshWith({});
    EXPECT_EQ(battery.currentChargePercentage, 12u);
}

TEST_F(BatteryDataTest, ABatteryThatCannotBeReadOrGivesNoChargeChangesNothing) {
    refreshWith(kDischarging);
    registry->asked.clear();
    LogCapture log("battery.BatteryDataProvider");
    refreshWith({}); // unreadable
    refreshWith({{"Is Charging", true}, {"Power Source State", "AC Power"}});
    EXPECT_EQ(state(), std::tuple(false, 57u, PowerSourceType::batteryPowered));
    EXPECT_TRUE(registry->asked.isEmpty());
    // Said once as it starts failing and once as it is back.
    EXPECT_EQ(log.lines().size(), 1u);
    refreshWith(kDischarging);
    refreshWith({});
    EXPECT_EQ(log.lines().size(), 3u);
}

TEST_F(BatteryDataTest, PassesChangeNoticesOnWithoutReading) {
    notifier->fire(); // no callback yet
    int calls = 0;
    battery.updateCallback = [&] {
        ++calls;
    };
    notifier->fire();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(service->listings, 0);
}

} // namespace
