#include "battery/BatteryData.h"

#include "FakePlatform.h"
#include "battery/BatteryDataProvider.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class FakeHijack : public BatteryDataHijackSource {
public:
    bool enableHijaking() const override { return on; }
    QVariantMap loadMainBatteryData() override { return dictionary; }

    bool on = false;
    QVariantMap dictionary;
};

// A live record whose reader runs over fake platform services: power source "BAT0" with the
// description the test sets, and a registry dump with nothing in it.
class BatteryDataTest : public testing::Test {
protected:
    BatteryDataTest() {
        auto notifier = std::make_unique<FakeChangeNotifier>();
        _notifier = notifier.get();
        _battery = std::make_unique<BatteryData>(std::make_unique<BatteryDataProvider>(
            std::unique_ptr<PowerSourceService>(_service), std::unique_ptr<RegistryDump>(_registry),
            std::move(notifier)));
        _service->sources = {"BAT0"};
    }

    void refreshWith(const QVariantMap& description) {
        _service->descriptions["BAT0"] = description;
        _battery->refreshBasicBatteryData();
    }
    void refreshWithoutPowerSource() {
        _service->sources.clear();
        _battery->refreshBasicBatteryData();
        _service->sources = {"BAT0"};
    }
    // The description without the object's address.
    QString fields() const { return _battery->description().section("]:", 1); }

    FakePowerSourceService* _service = new FakePowerSourceService;
    FakeRegistryDump* _registry = new FakeRegistryDump;
    FakeChangeNotifier* _notifier;
    std::unique_ptr<BatteryData> _battery;
};

const QVariantMap kDischarging{{"Current Capacity", 57},   {"Is Finish Charging", true},
                               {"Is Charged", true},       {"Power Source State", "Battery Power"},
                               {"BatteryHealth", "Fair"},  {"DesignCycleCount", 1000},
                               {"CycleCount", 3},          {"Time to Empty", 95},
                               {"Time to Full Charge", -1}};

TEST_F(BatteryDataTest, MapsTheDescriptionCompletedWithTheRegistryCounters) {
    _registry->branches["AppleSmartBattery"] =
        QStringLiteral("  | \"CycleCount\" = 612\n  | \"DesignCapacity\" = 6669\n");
    _service->sources = {"BAT0", "BAT1"};
    _service->descriptions["BAT1"] = {{"Current Capacity", 99}};
    refreshWith(kDischarging);
    // The registry's cycle count replaces the description's; a time of -1 is still estimating.
    EXPECT_EQ(fields(), "isCharging:false, isCharged:true, isFinishCharging:true, "
                        "currentChargePercentage:57, batteryHealth:Optional(fair), "
                        "designCycleCount:1000, cycleCount:612, designCapacity:6669, "
                        "currectCapacity:0, timeToEmpty:95, timeToFull:0, "
                        "powerSource:batteryPowered");
    EXPECT_EQ(_registry->asked, QStringList{"AppleSmartBattery"});
}

TEST_F(BatteryDataTest, ResetsTheFlagsButKeepsCountersAndTimesWhenKeysAreMissingOrOfTheWrongKind) {
    refreshWith(kDischarging);
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
    refreshWith({{"Power Source State", "battery power"}, {"BatteryHealth", "Check Battery"}});
    EXPECT_EQ(_battery->powerSource, PowerSourceType::acPowered);
    EXPECT_EQ(_battery->batteryHealth, BatteryHealthType::check);
}

TEST_F(BatteryDataTest, MarksAMissingBatteryForGoodWithoutRunningTheRegistryOrChangingFields) {
    refreshWith(kDischarging);
    _registry->asked.clear();
    refreshWithoutPowerSource();
    EXPECT_TRUE(_battery->noBattery);
    EXPECT_TRUE(_registry->asked.isEmpty());
    EXPECT_EQ(_battery->currentChargePercentage, 57u);
    refreshWith(kDischarging);
    EXPECT_TRUE(_battery->noBattery);
}

TEST_F(BatteryDataTest, FollowsTheOverrideWhileItsSwitchIsOn) {
    auto hijack = std::make_unique<FakeHijack>();
    hijack->dictionary = {{"Current Capacity", 12}, {"Power Source State", "AC Power"}};
    FakeHijack& override = *hijack;
    _battery->hijackWC = std::move(hijack);
    refreshWith(kDischarging);
    EXPECT_EQ(_battery->currentChargePercentage, 57u);

    override.on = true;
    refreshWithoutPowerSource();
    EXPECT_TRUE(_battery->noBattery);
    EXPECT_EQ(_battery->currentChargePercentage, 12u);
    EXPECT_EQ(_battery->powerSource, PowerSourceType::acPowered);
    EXPECT_EQ(_battery->designCycleCount, 1000u);
}

TEST_F(BatteryDataTest, PassesChangeNoticesOnWithoutReading) {
    _notifier->fire(); // no callback yet
    int calls = 0;
    _battery->updateCallback = [&] {
        ++calls;
    };
    _notifier->fire();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(_service->listings, 0);
}

TEST(BatteryDataPlaceholderTest, KeepsItsDefaultsAndDescribesThem) {
    BatteryData placeholder;
    placeholder.refreshBasicBatteryData();
    const QRegularExpression expected(QRegularExpression::anchoredPattern(
        R"(\[<BatteryData: 0x[0-9a-f]+>\]:isCharging:false, isCharged:false, )"
        R"(isFinishCharging:false, currentChargePercentage:0, batteryHealth:nil, )"
        R"(designCycleCount:0, cycleCount:0, designCapacity:0, currectCapacity:0, )"
        R"(timeToEmpty:0, timeToFull:0, powerSource:acPowered)"));
    EXPECT_TRUE(expected.match(placeholder.description()).hasMatch())
        << placeholder.description().toStdString();
}

} // namespace
