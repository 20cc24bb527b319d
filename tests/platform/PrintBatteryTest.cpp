// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "support/AmpraCommand.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// "ampra --print-battery" on each fixture machine prints the description its tree gives, then
// the sample it maps to; or that there is no battery, or that it gives no charge.
TEST(PrintBatteryTest, PrintsEachMachinesReading) {
    const QStringList machines =
        QDir(AMPRA_FIXTURES "/sysfs").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(machines.size(), 12);
    for (const QString& machine : machines) {
        const AmpraCommand run({"--print-battery"}, AMPRA_FIXTURES "/sysfs/" + machine);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(
            QString(run.output)
                .replace(QRegularExpression("<BatteryData: 0x[0-9a-f]+>"), "<BatteryData: 0x0>"),
            QString(readFile(AMPRA_FIXTURES "/print-battery/" + machine + ".txt")))
            << machine.toStdString() << '\n'
            << run.errors.toStdString();
        EXPECT_TRUE(machine != "garbage" || run.errors.contains("ONLINE=banana")); // explains it
    }
}

// What only prints runs without a display and leaves; a mistyped option says so and fails.
TEST(PrintBatteryTest, AnswersTheCommandLineWithoutADisplay) {
    const struct {
        QStringList arguments;
        int exitCode;
        QString printed;
    } cases[] = {
        {{"--version"}, 0, "Ampra " AMPRA_VERSION "\n"},
        {{"--help"}, 0, "--print-battery"},
        {{"--print-batery"}, 1, "Unknown option 'print-batery'"},
        {{"--größe"}, 1, "Unknown option 'größe'"}, // as spelt, not byte by byte
        {{"--print-battery", "--export-history", "-"}, 1, "cannot be combined"},
        {{"--export-history", "-", "--preferences"}, 1, "cannot be combined"},
    };
    for (const auto& expected : cases) {
        const AmpraCommand run(expected.arguments, AMPRA_FIXTURES "/sysfs/desktop");
        EXPECT_EQ(run.exitCode, expected.exitCode) << expected.arguments.join(' ').toStdString();
        EXPECT_TRUE((run.output + run.errors).contains(expected.printed))
            << (run.output + run.errors).toStdString();
    }
}

} // namespace
