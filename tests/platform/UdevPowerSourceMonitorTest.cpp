// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/UdevPowerSourceMonitor.h"

#include "battery/BatteryData.h"
#include "platform/linux/LinuxBatteryDataProviderFactory.h"
#include "support/FakeDateProvider.h"
#include "support/WaitFor.h"

#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <umockdev.h>

namespace {

// /sys reads and udev events of this process go to a umockdev testbed (ctest preloads it).
class UdevPowerSourceMonitorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qgetenv("LD_PRELOAD").contains("umockdev-preload")) << "run under ctest";
        ASSERT_TRUE(battery && mains && mouse);
    }
    void TearDown() override {
        g_free(battery);
        g_free(mains);
        g_free(mouse);
        g_object_unref(testbed);
    }
    // As the kernel does: the property changes, then a "change" event.
    void change(const gchar* device, const gchar* property, const gchar* value) {
        umockdev_testbed_set_property(testbed, device, property, value);
        umockdev_testbed_uevent(testbed, device, "change");
    }

    UMockdevTestbed* testbed = umockdev_testbed_new();
    gchar* battery = umockdev_testbed_add_device(
        testbed, "power_supply", "BAT0", nullptr, "type", "Battery", nullptr, "POWER_SUPPLY_TYPE",
        "Battery", "POWER_SUPPLY_STATUS", "Discharging", "POWER_SUPPLY_CAPACITY", "64", nullptr);
    gchar* mains = umockdev_testbed_add_device(testbed, "power_supply", "AC", nullptr, "type",
                                               "Mains", nullptr, "POWER_SUPPLY_TYPE", "Mains",
                                               "POWER_SUPPLY_ONLINE", "0", nullptr);
    gchar* mouse = umockdev_testbed_add_device(
        testbed, "power_supply", "hidpp_battery_0", nullptr, "type", "Battery", "scope", "Device",
        nullptr, "POWER_SUPPLY_TYPE", "Battery", "POWER_SUPPLY_CAPACITY", "35", nullptr);
};

TEST_F(UdevPowerSourceMonitorTest, ABatteryChangeReachesTheRecordOnTheMainThread) {
    const FakeDateProvider clock;
    BatteryData record(LinuxBatteryDataProviderFactory::create(true, clock));
    QThread* noticeThread = nullptr;
    record.updateCallback = [&] {
        noticeThread = QThread::currentThread();
        record.refreshBasicBatteryData();
    };
    record.refreshBasicBatteryData();
    EXPECT_EQ(record.currentChargePercentage, 64u);
    EXPECT_EQ(record.powerSource, PowerSourceType::batteryPowered);

    change(battery, "POWER_SUPPLY_CAPACITY", "63");
    ASSERT_TRUE(QTest::qWaitFor([&] { return noticeThread; }, 5000));
    EXPECT_EQ(noticeThread, QCoreApplication::instance()->thread());
    EXPECT_EQ(record.currentChargePercentage, 63u);
}

TEST_F(UdevPowerSourceMonitorTest, ReportsABurstOnceIgnoresPeripheralsAndFollowsUpAMainsChange) {
    UdevPowerSourceMonitor monitor(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
    int notices = 0;
    monitor.attach([&] { ++notices; });
    change(mouse, "POWER_SUPPLY_CAPACITY", "34");
    settle();
    EXPECT_EQ(notices, 0);
    change(battery, "POWER_SUPPLY_CAPACITY", "63");
    change(battery, "POWER_SUPPLY_STATUS", "Charging");
    change(mouse, "POWER_SUPPLY_CAPACITY", "33");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices == 1; }, 5000));
    settle();
    EXPECT_EQ(notices, 1);
    change(mains, "POWER_SUPPLY_ONLINE", "1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices == 3; }, 5000));
}

} // namespace
