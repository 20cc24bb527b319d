// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QString InstanceGuard::defaultLockPath() {
    return lockPathIn(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

QString InstanceGuard::lockPathIn(const QString& runtimeFolder) {
    if (runtimeFolder.isEmpty())
        return QDir::tempPath() + QStringLiteral("/com.vantrel.Ampra-%1.lock").arg(::getuid());
    return runtimeFolder + QStringLiteral("/com.vantrel.Ampra.lock");
}

InstanceGuard::InstanceGuard(QString lockPath) : _path(std::move(lockPath)) {}

InstanceGuard::~InstanceGuard() {
    // The file stays: removing it would let a start that opened it meanwhile lock a name no
    // other start finds.
    if (_fd >= 0)
        ::close(_fd);
}

// Logging is not set up yet, and a second instance must not touch the running one's log:
// Qt's messages go to standard error.
bool InstanceGuard::applicationAlreadyRunning() {
    if (_fd >= 0)
        return false;
    const QByteArray path = QFile::encodeName(_path);
    // A start that removes a stale file between another's open and lock makes two files; the
    // later open finds the one that counts.
    for (int attempt = 0; attempt < 3; ++attempt) {
        QString problem;
        const int fd = openLockFile(problem);
        if (fd < 0)
            return runWithoutLock(problem);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int lockError = errno;
            char holder[32] = {};
            const ssize_t count = ::pread(fd, holder, sizeof holder - 1, 0);
            ::close(fd);
            if (lockError != EWOULDBLOCK)
                return runWithoutLock(QString::fromLocal8Bit(std::strerror(lockError)));
            _whyGivingWay =
                QStringLiteral("Ampra is already running (process %1); this start ends.")
                    .arg(count > 0 ? std::atoi(holder) : 0);
            qWarning("%s", qPrintable(_whyGivingWay));
            return true;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            const QByteArray pid = QByteArray::number(::getpid()) + '\n';
            if (::ftruncate(fd, 0) != 0 || ::write(fd, pid.constData(), size_t(pid.size())) < 0)
                qWarning("Cannot write the process id into %s: %s", path.constData(),
                         std::strerror(errno));
            _fd = fd;
            return false;
        }
        ::close(fd);
    }
    return runWithoutLock(QStringLiteral("it is replaced again and again"));
}

// What a dead run or a broken session can leave at the name (a directory, a link, a file the
// user cannot open) holds no lock: it is removed once and the file made anew.
int InstanceGuard::openLockFile(QString& problem) {
    const QByteArray path = QFile::encodeName(_path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
        struct stat status {};
        if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::getuid())
            return fd;
        problem = fd < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                         // Planted in a shared folder by another user, or no file.
                         : QStringLiteral("it is not a file of this user's");
        if (fd >= 0)
            ::close(fd);
        if (::unlink(path.constData()) != 0 && ::rmdir(path.constData()) != 0)
            return -1;
    }
    return -1;
}

bool InstanceGuard::runWithoutLock(const QString& reason) {
    qWarning("Cannot take the single-instance lock %s: %s; running anyway", qPrintable(_path),
             qPrintable(reason));
    return false;
}
