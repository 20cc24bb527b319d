// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/InstanceGuard.h"

#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using namespace Qt::Literals::StringLiterals;

QStringList warnings;

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    warnings << message;
}

// Whatever a dead run or a broken session left at the name, the next start takes the lock; a
// start while it is held gives way and says why.
TEST(InstanceGuardTest, TakesOverEveryLockNoLiveAmpraHolds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ampra.lock"_s);
    // What is at the name: nothing, a file of these bytes, an unreadable one, a directory, a link.
    enum Kind { nothing, file, unreadable, directory, link };
    const std::tuple<const char*, Kind, QByteArray> cases[] = {
        {"nothing", nothing, {}},
        {"an empty file", file, {}},
        {"garbage", file, QByteArray("\xff\xfe\x00garbage", 10)},
        {"another host's lock", file, "4242\nampra\nelsewhere.example.org\n"},
        {"an unreadable file", unreadable, "1\n"},
        {"a directory", directory, {}},
        {"a dangling link", link, "/nonexistent"}};
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    for (const auto& [name, kind, text] : cases) {
        SCOPED_TRACE(name);
        QFile::remove(path);
        QDir().rmdir(path);
        ASSERT_TRUE(kind != link || QFile::link(QString::fromLatin1(text), path));
        ASSERT_TRUE(kind != directory || QDir().mkdir(path));
        ASSERT_TRUE((kind != file && kind != unreadable) || writeFile(path, text));
        if (kind == unreadable)
            QFile::setPermissions(path, {});
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
