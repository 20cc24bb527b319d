#include "platform/linux/UdevPowerSourceMonitor.h"

#include "battery/BatteryData.h"
#include "platform/linux/LinuxBatteryDataProviderFactory.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <umockdev.h>

namespace {

// /sys reads and udev events of this process go to a umockdev testbed; ctest runs it with
// LD_PRELOAD=libumockdev-preload.so.0.
class UdevPowerSourceMonitorTest : public testing::Test {
protected:
    void SetUp() override {
        const QByteArray preload = qgetenv("LD_PRELOAD");
        ASSERT_TRUE(preload.contains("umockdev-preload")) << "run with the umockdev preload";
        _battery = umockdev_testbed_add_device(_testbed, "power_supply", "BAT0", nullptr, "type",
                                               "Battery", nullptr, "POWER_SUPPLY_TYPE", "Battery",
                                               "POWER_SUPPLY_STATUS", "Discharging",
                                               "POWER_SUPPLY_CAPACITY", "64", nullptr);
        _mains = umockdev_testbed_add_device(_testbed, "power_supply", "AC", nullptr, "type",
                                             "Mains", nullptr, "POWER_SUPPLY_TYPE", "Mains",
                                             "POWER_SUPPLY_ONLINE", "0", nullptr);
        ASSERT_TRUE(_battery && _mains);
    }
    void TearDown() override {
        g_free(_battery);
        g_free(_mains);
        g_object_unref(_testbed);
    }
    // As the kernel does: the property changes, then a "change" event.
    void change(const gchar* device, const gchar* property, const gchar* value) {
        umockdev_testbed_set_property(_testbed, device, property, value);
        umockdev_testbed_uevent(_testbed, device, "change");
    }

    UMockdevTestbed* _testbed = umockdev_testbed_new();
    gchar* _battery = nullptr;
    gchar* _mains = nullptr;
};

TEST_F(UdevPowerSourceMonitorTest, ABatteryChangeReachesTheRecordOnTheMainThread) {
    BatteryData record(LinuxBatteryDataProviderFactory::create(true));
    int notices = 0;
    QThread* noticeThread = nullptr;
    record.updateCallback = [&] {
        ++notices;
        noticeThread = QThread::currentThread();
        record.refreshBasicBatteryData();
    };
    record.refreshBasicBatteryData();
    EXPECT_EQ(record.currentChargePercentage, 64u);
    EXPECT_EQ(record.powerSource, PowerSourceType::batteryPowered);

    change(_battery, "POWER_SUPPLY_CAPACITY", "63");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices == 1; }, 5000));
    EXPECT_EQ(noticeThread, QCoreApplication::instance()->thread());
    EXPECT_EQ(record.currentChargePercentage, 63u);
}

TEST_F(UdevPowerSourceMonitorTest, AMainsChangeIsReportedOnceMoreWhenTheBatteryHadTimeToFollow) {
    UdevPowerSourceMonitor monitor(std::chrono::milliseconds(0));
    int notices = 0;
    monitor.attach([&] { ++notices; });

    change(_battery, "POWER_SUPPLY_CAPACITY", "63");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices == 1; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 1);

    change(_mains, "POWER_SUPPLY_ONLINE", "1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices == 3; }, 5000));
}

} // namespace
