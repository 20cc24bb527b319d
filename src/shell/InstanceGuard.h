// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QLockFile>
#include <QString>

// One Ampra per user session: a lock file in the runtime folder. A lock left by a crashed run
// is taken over.
class InstanceGuard {
public:
    static QString defaultLockPath();

    explicit InstanceGuard(const QString& lockPath = defaultLockPath());

    // True when another running instance holds the lock.
    bool applicationAlreadyRunning();

private:
    QLockFile _lock;
};
