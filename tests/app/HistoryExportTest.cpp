// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// "ampra --export-history" on a store the test writes and keeps open, as a running Ampra does.

#include "persistence/AppPersistance.h"
#include "persistence/ApplicationFolder.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "support/AmpraCommand.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

AmpraCommand exportHistory(const QString& fileName) {
    return AmpraCommand({u"--export-history"_s, fileName});
}

// Through the shell, which passes the name byte for byte; QProcess would pass it as text.
AmpraCommand exportHistoryTo(const QByteArray& fileName) {
    QString escaped;
    for (const char byte : fileName)
        escaped += u"\\0%1"_s.arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
    return AmpraCommand({u"-c"_s, uR"sh(exec "$0" --export-history "$(printf %b "$1")")sh"_s,
                         QString::fromUtf8(AmpraCommand::kProgram), escaped},
                        {}, u"/bin/sh"_s);
}

// 150 snapshots a week apart, the last without a cycle count, and 3 calibrations.
void fillStore(ManagedObjectContext& context, const QDateTime& start) {
    for (int i = 0; i < 150; ++i) {
        BatteryStatusSnapshot snapshot(context);
        snapshot.setDate(start.addDays(7 * i));
        snapshot.setCapacity(5000 - quint64(i));
        if (i < 149)
            snapshot.setCycleCount(quint64(i));
    }
    for (int day : {100, 400, 1000}) {
        Calibration calibration(context);
        calibration.setDate(start.addDays(day).addSecs(3600));
        calibration.setCapacity(4900);
        calibration.setCycleCount(quint64(day / 7));
    }
    ASSERT_TRUE(context.save());
}

// Exit code 1 and the reason on the error output.
testing::AssertionResult refused(const QString& target, const QString& reason) {
    const AmpraCommand command = exportHistory(target);
    if (command.exitCode == 1 && command.errors.contains(reason))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << command.exitCode << ": " << command.errors.toStdString();
}

bool isFifo(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

TEST(HistoryExportTest, WritesEveryRecordAsCsvWhileTheStoreIsOpen) {
    EXPECT_TRUE(refused(u"-"_s, u"The history was not exported"_s)); // no store yet
    // A store that is a FIFO is not opened: nothing would ever write into it.
    const QString storePath =
        QDir(ApplicationFolder::path()).filePath(AppPersistance::kStoreFileName);
    ASSERT_TRUE(QDir().mkpath(ApplicationFolder::path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(storePath).constData(), 0600), 0);
    EXPECT_TRUE(refused(u"-"_s, u"not a regular file"_s));
    ASSERT_TRUE(QFile::remove(storePath));

    AppPersistance persistance;
    ManagedObjectContext& context = *persistance.managedObjectContext();
    const QDateTime start(QDate(2024, 1, 1), QTime(9, 30), Qt::UTC);
    fillStore(context, start);

    const AmpraCommand printed = exportHistory(u"-"_s);
    ASSERT_EQ(printed.exitCode, 0) << printed.errors.toStdString();
    QList<QByteArray> lines = printed.output.split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray()); // the last line ends too
    ASSERT_EQ(lines.size(), 154);
    EXPECT_EQ(lines.takeFirst(), "kind,date,capacity_mah,cycle_count\r");
    // Oldest first, dates in UTC; RFC 4180 ends lines with CRLF.
    EXPECT_TRUE(std::ranges::is_sorted(
        lines, {}, [](const QByteArray& line) { return line.split(',').value(1); }));
    EXPECT_EQ(printed.output.count("\ncalibration,"), 3);
    EXPECT_EQ(lines.first(), "snapshot,2024-01-01T09:30:00Z,5000,0\r");
    EXPECT_TRUE(lines.contains("calibration,2024-04-10T10:30:00Z,4900,14\r"));
    EXPECT_EQ(lines.last(), "snapshot,2026-11-09T09:30:00Z,4851,\r"); // no cycle count

    // Into a file named in bytes that are not UTF-8: the same text, in exactly that file and no
    // other; a file that cannot be written fails with the reason.
    QTemporaryDir dir;
    const QByteArray fileName = QFile::encodeName(dir.path()) + "/hist\xf6ry.csv";
    EXPECT_EQ(exportHistoryTo(fileName).exitCode, 0);
    std::FILE* const stream = std::fopen(fileName.constData(), "r");
    ASSERT_NE(stream, nullptr);
    QFile file;
    ASSERT_TRUE(file.open(stream, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_EQ(file.readAll(), printed.output);
    ASSERT_EQ(::unlink(fileName.constData()), 0);
    EXPECT_TRUE(QDir(dir.path())
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                             QDir::NoDotAndDotDot)); // no temporary
    const QString unwritable = dir.filePath(u"no-such-folder/history.csv"_s);
    EXPECT_TRUE(refused(unwritable, u"no-such-folder/history.csv"_s));
    // Neither a special file nor the store itself is replaced.
    const QString fifo = dir.filePath(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(refused(fifo, u"not a regular file"_s));
    EXPECT_TRUE(refused(storePath, u"Ampra's data store"_s));
    EXPECT_TRUE(isFifo(fifo));
    EXPECT_TRUE(readFile(storePath).startsWith("SQLite format 3"));

    // The store was only read: Ampra goes on saving into it.
    BatteryStatusSnapshot later(context);
    later.setDate(start.addYears(3));
    EXPECT_TRUE(context.save());
}

} // namespace
