// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/UPowerChargeLimitControl.h"

#include "persistence/AmpraPreferences.h"
#include "persistence/AmpraStatePersistence.h"
#include "persistence/Calibration.h"
#include "support/DBusMock.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/RecordingBatteryManagerDelegate.h"
#include "support/TestEngine.h"
#include "support/WaitFor.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

const QString kBattery = QStringLiteral("/org/freedesktop/UPower/devices/battery_BAT0");

// UPower with a battery held at 80 %; `kind` as the template file says.
std::unique_ptr<DBusMock> upower(const char* kind) {
    return DBusMock::fromTemplate(DBusMock::Bus::System, AMPRA_FIXTURES "/dbusmock/upower.py",
                                  UPowerChargeLimitControl::kService, kBattery,
                                  QStringLiteral(R"({"switch": "%1"})").arg(kind));
}

QString state(const ChargeLimitControl& control) {
    return QStringLiteral("%1 %2 %3-%4")
        .arg(control.isSupported() ? "supported" : "unsupported",
             control.isEnabled() ? "on" : "off")
        .arg(control.startThreshold())
        .arg(control.endThreshold());
}

// What the control reads from each kind of UPower, and what switching the limit off and on
// again does there: the calls UPower got, and one log line for what cannot be done.
TEST(UPowerChargeLimitControlTest, SwitchesTheBatterysLimitWhereUPowerCan) {
    const QString notLifted = "The charge limit is not lifted for calibrations: ";
    const QString denied = "UPower did not switch the charge limit %1: "
                           "org.freedesktop.DBus.Error.AccessDenied: Not authorized";
    const struct {
        const char* upower; // none: no UPower at all
        const char *read, *switched;
        bool called;
        QString log; // the warnings, one a line
    } rows[] = {
        {"works", "supported on 75-80", "done supported off, done supported on", true, ""},
        {"denied", "supported on 75-80", "failed supported on, failed supported on", true,
         denied.arg("off") + "\n" + denied.arg("on")},
        {"missing", "supported on 75-80", "failed unsupported on, failed unsupported on", false,
         notLifted + "this UPower has no EnableChargeThreshold"},
        {"old", "unsupported off 0-100", "failed unsupported off, failed unsupported off", false,
         notLifted + "UPower before 1.90 cannot switch it"},
        {"none", "unsupported off 0-100", "failed unsupported off, failed unsupported off", false,
         notLifted + "no UPower, org.freedesktop.DBus.Error.ServiceUnknown: The name "
                     "org.freedesktop.UPower was not provided by any .service files"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.upower);
        const auto mock = QByteArray(row.upower) == "none" ? nullptr : upower(row.upower);
        LogCapture log("platform.upower");
        UPowerChargeLimitControl control;
        int changes = 0;
        control.attach([&] { ++changes; });
        ASSERT_TRUE(waitFor([&] { return changes > 0 || !log.lines().empty(); }));
        EXPECT_EQ(state(control), row.read);
        // The thresholds do not move with the switch.
        const QString thresholds = " " + QString(row.read).section(' ', 2);
        QStringList switched;
        for (const bool enabled : {false, true}) {
            std::optional<bool> result;
            control.enable(enabled, [&](bool done) { result = done; });
            EXPECT_FALSE(result); // never within the call
            ASSERT_TRUE(waitFor([&] { return result.has_value(); }));
            settle(QDBusConnection::systemBus());
            switched << (*result ? "done " : "failed ") + state(control).remove(thresholds);
        }
        EXPECT_EQ(switched.join(", "), row.switched);
        EXPECT_EQ(mock ? mock->methodCalls("EnableChargeThreshold") : QList<QVariantList>(),
                  (row.called ? QList<QVariantList>{{false}, {true}} : QList<QVariantList>()));
        QStringList warnings;
        for (const std::string& line : log.messages(log4cplus::WARN_LOG_LEVEL))
            warnings << QString::fromStdString(line);
        EXPECT_EQ(warnings.join("\n"), row.log);
    }
}

} // namespace

// The engine on a laptop held at 80 % by its firmware, with UPower's switch: a limit lifted after
// the user's yes is switched on again when the calibration ends, however it ends, and by the
// first start after a crash that left it lifted with no calibration under way.
class ChargeLimitCalibrationTest : public testing::Test {
protected:
    using Lift = CalibrationData::ChargeLimitLift;

    // Starts the application, or starts it again after a kill: nothing of the last run is run.
    void start() {
        engine.reset();
        auto upower = std::make_unique<UPowerChargeLimitControl>();
        control = upower.get();
        engine =
            std::make_unique<TestEngine>(dir.path(), battery, clock, &delegate, std::move(upower));
        engine->manager->startCalibrationControl();
        ASSERT_TRUE(waitFor([&] { return control->isSupported(); }));
    }
    // One update at `charge`, or at the limit where the firmware holds the battery.
    void update(bool mains, unsigned charge) {
        battery.chargeLimit = control->isEnabled() ? 80 : 100;
        battery.set(mains, std::min(charge, unsigned(battery.chargeLimit)));
        battery.isCharging = battery.isCharging && battery.charge < unsigned(battery.chargeLimit);
        engine->manager->refresh();
    }
    // The switches UPower was asked for, once there are `count`.
    QList<QVariantList> switches(qsizetype count) {
        return mock->methodCalls("EnableChargeThreshold", count);
    }
    std::optional<qint64> lifted() const {
        return engine->configuration.statePersistence().liftedChargeLimit();
    }
    // Held at the limit, asked once; lifted after the yes.
    void liftAfterTheYes() {
        update(true, 80);
        update(true, 80);
        EXPECT_EQ(std::ranges::count(delegate.takeNotices(), "lift 80"), 1);
        EXPECT_EQ(delegate.records.back().chargeLimitLift, Lift::offered);
        const qsizetype before = switches(0).size();
        engine->manager->liftChargeLimitForCalibration();
        EXPECT_EQ(switches(before + 1).size(), before + 1);
        EXPECT_EQ(switches(0).back(), QVariantList{false});
        EXPECT_EQ(lifted(), 80);
        update(true, 90);
        EXPECT_EQ(delegate.records.back().chargeLimitLift, Lift::lifted);
    }

    std::unique_ptr<DBusMock> mock = upower("works");
    QTemporaryDir dir;
    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC)};
    FakeBattery battery;
    RecordingBatteryManagerDelegate delegate{clock};
    LogCapture log{"calibration.chargeLimit"};
    UPowerChargeLimitControl* control = nullptr; // owned by the engine
    std::unique_ptr<TestEngine> engine;
};

TEST_F(ChargeLimitCalibrationTest, ALiftedLimitComesBackWhenTheCalibrationEndsOrAtTheNextStart) {
    ASSERT_TRUE(mock);
    start();
    update(true, 80);
    update(true, 80);
    EXPECT_EQ(switches(0), QList<QVariantList>()); // no yes, no switch

    liftAfterTheYes();
    start(); // killed in the middle: the calibration goes on, the limit stays lifted
    update(true, 100);
    EXPECT_EQ(delegate.records.back().algorithmState, AlgorithmState::fullyCharged);
    clock.advance(2 * 3600 + 60);
    update(true, 100);
    update(false, 9);
    engine->listener->didReceiveSleepNotification();
    clock.advance(5 * 3600 + 60);
    battery.set(false, 8);
    engine->listener->didReceiveWakeUpNotification();
    EXPECT_EQ(delegate.records.back().algorithmState, AlgorithmState::calibrationDone);
    EXPECT_EQ(switches(2), (QList<QVariantList>{{false}, {true}}));
    EXPECT_EQ(lifted(), std::nullopt);
    EXPECT_EQ(engine->stored(Calibration::kEntityName).size(), 1u);

    clock.advance(29 * 86400); // due again, and calibrations switched off after the yes
    liftAfterTheYes();
    engine->manager->stopCalibrationControl();
    EXPECT_EQ(switches(4).back(), QVariantList{true});
    EXPECT_EQ(lifted(), std::nullopt);

    // A crash left the limit lifted, and no calibration is due at the next start.
    Calibration(*engine->configuration.context()).setDate(clock.now());
    ASSERT_TRUE(engine->configuration.context()->save());
    engine->configuration.statePersistence().setLiftedChargeLimit(80);
    start();
    EXPECT_EQ(switches(5).back(), QVariantList{true});
    EXPECT_EQ(lifted(), std::nullopt);
    EXPECT_EQ(std::ranges::count(log.messages(), "The 80% charge limit is on again"), 3);

    // Remembered for every calibration: lifted without asking.
    engine->settings.setBool(true, AmpraPreferences::kLiftChargeLimitForCalibrations);
    clock.advance(29 * 86400);
    delegate.takeNotices();
    update(true, 80);
    EXPECT_EQ(switches(6).back(), QVariantList{false});
    EXPECT_EQ(std::ranges::count(delegate.takeNotices(), "lift 80"), 0);
}
