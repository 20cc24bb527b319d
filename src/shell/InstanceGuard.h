// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// One Ampra per user: an flock(2) on a file in the user's runtime folder. The kernel drops the
// lock with the process that holds it, so nothing a dead run left behind (an empty file, another
// host's name, garbage) keeps the next start out. The file holds the holder's process id, for the
// message of a start that gives way.
class InstanceGuard {
public:
    static QString defaultLockPath();
    // In the runtime folder; without one, a name of this user's own in the shared temporary
    // folder, so that one user's Ampra never stops another's.
    static QString lockPathIn(const QString& runtimeFolder);

    explicit InstanceGuard(QString lockPath = defaultLockPath());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when a running Ampra of this user holds the lock. Says on standard error why a start
    // gives way, or why it runs without the lock.
    bool applicationAlreadyRunning();
    // Why this start gives way, once applicationAlreadyRunning() said it does.
    const QString& whyGivingWay() const { return _whyGivingWay; }

private:
    // The lock file opened for writing, or -1 with the reason in `problem`.
    int openLockFile(QString& problem);
    bool runWithoutLock(const QString& reason);

    QString _path;
    QString _whyGivingWay;
    int _fd = -1;
};
