// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/UPowerChargeLimitControl.h"

#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

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
    const struct {
        const char* upower; // none: no UPower at all
        const char* read;
        QStringList switched;
        QList<QVariantList> calls;
        std::vector<std::string> log;
    } rows[] = {
        {"works",
         "supported on 75-80",
         {"done supported off 75-80", "done supported on 75-80"},
         {{false}, {true}},
         {}},
        {"denied",
         "supported on 75-80",
         {"failed supported on 75-80", "failed supported on 75-80"},
         {{false}, {true}},
         {"UPower did not switch the charge limit off: org.freedesktop.DBus.Error.AccessDenied: "
          "Not authorized",
          "UPower did not switch the charge limit on: org.freedesktop.DBus.Error.AccessDenied: "
          "Not authorized"}},
        {"missing",
         "supported on 75-80",
         {"failed unsupported on 75-80", "failed unsupported on 75-80"},
         {},
         {"The charge limit is not lifted for calibrations: this UPower has no "
          "EnableChargeThreshold"}},
        {"old",
         "unsupported off 0-100",
         {"failed unsupported off 0-100", "failed unsupported off 0-100"},
         {},
         {"The charge limit is not lifted for calibrations: UPower before 1.90 cannot switch it"}},
        {"none",
         "unsupported off 0-100",
         {"failed unsupported off 0-100", "failed unsupported off 0-100"},
         {},
         {"The charge limit is not lifted for calibrations: no UPower, "
          "org.freedesktop.DBus.Error.ServiceUnknown: The name org.freedesktop.UPower was not "
          "provided by any .service files"}},
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
        QStringList switched;
        for (const bool enabled : {false, true}) {
            std::optional<bool> result;
            control.enable(enabled, [&](bool done) { result = done; });
            EXPECT_FALSE(result); // never within the call
            ASSERT_TRUE(waitFor([&] { return result.has_value(); }));
            settle(QDBusConnection::systemBus());
            switched << (*result ? "done " : "failed ") + state(control);
        }
        EXPECT_EQ(switched, row.switched);
        EXPECT_EQ(mock ? mock->methodCalls("EnableChargeThreshold") : QList<QVariantList>(),
                  row.calls);
        std::vector<std::string> warnings;
        for (const LogCapture::Line& line : log.lines())
            if (line.level >= log4cplus::WARN_LOG_LEVEL)
                warnings.push_back(line.message);
        EXPECT_EQ(warnings, row.log);
    }
}

} // namespace
