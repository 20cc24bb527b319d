// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using namespace Qt::Literals::StringLiterals;

QStringList warnings;

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    warnings << message;
}

void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Whatever a dead run or a broken session left at the name, the next start takes the lock; a
// start while it is held gives way and says why.
TEST(InstanceGuardTest, TakesOverEveryLockNoLiveAmpraHolds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ampra.lock"_s);
    const struct {
        const char* name;
        std::function<void()> leave;
    } cases[] = {
        {"nothing",
         [] {
         }},
        {"an empty file",
         [&] {
             write(path, {});
         }},
        {"garbage",
         [&] {
             write(path, "\xff\xfe\x00garbage");
         }},
        {"another host's lock",
         [&] {
             write(path, "4242\nampra\nelsewhere.example.org\n");
         }},
        {"an unreadable file",
         [&] {
             write(path, "1\n");
             QFile::setPermissions(path, {});
         }},
        {"a directory",
         [&] {
             ASSERT_TRUE(QDir().mkdir(path));
         }},
        {"a dangling link",
         [&] {
             ASSERT_TRUE(QFile::link(u"/nonexistent"_s, path));
         }},
    };
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        QDir().rmdir(path);
        c.leave();
        warnings.clear();
        {
            InstanceGuard first(path);
            EXPECT_FALSE(first.applicationAlreadyRunning());
            EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
            EXPECT_TRUE(InstanceGuard(path).applicationAlreadyRunning());
            EXPECT_EQ(warnings, QStringList{u"Ampra is already running (process %1); this start "
                                            "ends."_s.arg(::getpid())});
        }
        EXPECT_FALSE(InstanceGuard(path).applicationAlreadyRunning()); // released with its holder
    }
    qInstallMessageHandler(previous);
    // Without a runtime folder each user has a lock of their own.
    EXPECT_EQ(InstanceGuard::lockPathIn({}),
              QDir::tempPath() + u"/com.vantrel.Ampra-%1.lock"_s.arg(::getuid()));
}

} // namespace
