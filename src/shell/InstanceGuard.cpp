// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "InstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

QString InstanceGuard::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/com.vantrel.Ampra.lock");
}

InstanceGuard::InstanceGuard(const QString& lockPath) : _lock(lockPath) {
    // Only a lock whose owner has died is stale, however old it is.
    _lock.setStaleLockTime(0);
}

bool InstanceGuard::applicationAlreadyRunning() {
    if (_lock.isLocked() || _lock.tryLock(0))
        return false;
    if (_lock.error() == QLockFile::LockFailedError)
        return true;
    // Logging is not set up yet: a second instance must not touch it.
    qWarning("Cannot take the single-instance lock (error %d); running anyway", int(_lock.error()));
    return false;
}
