#include "InstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

QString InstanceGuard::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/com.vantrel.Ampra.lock";
}

InstanceGuard::InstanceGuard(const QString& lockPath) : _lock(lockPath) {
    // Only a lock whose owner has died is stale, however old it is.
    _lock.setStaleLockTime(0);
}

bool InstanceGuard::applicationAlreadyRunning() {
    return !_lock.isLocked() && !_lock.tryLock(0);
}
