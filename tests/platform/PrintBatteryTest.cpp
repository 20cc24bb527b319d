// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "support/QtPrinters.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// "ampra --print-battery" on each fixture machine prints the description its tree gives, then
// the sample it maps to; or that there is no battery, or that it gives no charge.
TEST(PrintBatteryTest, PrintsEachMachinesReading) {
    for (const QString machine :
         {"charge-discharging", "energy-charging", "full-on-mains", "charge-limit-80",
          "no-cycle-count", "two-batteries-and-peripheral", "desktop", "empty", "garbage",
          "no-charge", "mixed-units", "energy-without-design-voltage"}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("AMPRA_SYSFS_ROOT", AMPRA_FIXTURES "/sysfs/" + machine);
        environment.insert("LANGUAGE", "en");
        process.setProcessEnvironment(environment);
        process.start(AMPRA_BUILD_DIR "/src/app/ampra", {"--print-battery"});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0);
        QFile expected(AMPRA_FIXTURES "/print-battery/" + machine + ".txt");
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly)) << machine.toStdString();
        const QString errors = process.readAllStandardError();
        EXPECT_EQ(
            QString(process.readAllStandardOutput())
                .replace(QRegularExpression("<BatteryData: 0x[0-9a-f]+>"), "<BatteryData: 0x0>"),
            QString(expected.readAll()))
            << machine.toStdString() << '\n'
            << errors.toStdString();
        EXPECT_TRUE(machine != "garbage" || errors.contains("ONLINE=banana")); // explains it
    }
}

} // namespace
