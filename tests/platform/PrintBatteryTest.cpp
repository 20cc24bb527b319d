#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Runs "ampra --print-battery" on a fixture machine.
void printBattery(const QString& machine, QProcess& process) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("AMPRA_SYSFS_ROOT", QStringLiteral(AMPRA_FIXTURES "/sysfs/") + machine);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AMPRA_BUILD_DIR "/src/app/ampra"), {"--print-battery"});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

QString expected(const QString& machine) {
    QFile file(QStringLiteral(AMPRA_FIXTURES "/print-battery/") + machine + ".txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << machine.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Each fixture machine prints the description its tree gives, then the sample it maps to.
TEST(PrintBatteryTest, PrintsEachMachinesReading) {
    for (const char* machine :
         {"charge-discharging", "energy-charging", "full-on-mains", "charge-limit-80",
          "no-cycle-count", "two-batteries-and-peripheral", "desktop", "empty", "garbage"}) {
        QProcess process;
        printBattery(machine, process);
        QString out = QString::fromUtf8(process.readAllStandardOutput());
        out.replace(QRegularExpression("<BatteryData: 0x[0-9a-f]+>"), "<BatteryData: 0x0>");
        EXPECT_EQ(out, expected(machine)) << machine << '\n'
                                          << process.readAllStandardError().toStdString();
    }
}

TEST(PrintBatteryTest, ExplainsGarbageOnStandardError) {
    QProcess process;
    printBattery("garbage", process);
    EXPECT_TRUE(process.readAllStandardError().contains("ONLINE=banana"));
}

} // namespace
