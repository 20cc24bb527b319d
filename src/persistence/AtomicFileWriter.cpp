// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AtomicFileWriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a name stands for: a link put there by hand (a dotfile manager's) stays a link, and
// its target gets the text.
QByteArray linkTarget(QByteArray fileName) {
    char target[PATH_MAX];
    for (int depth = 0; depth < 40; ++depth) {
        const ssize_t length = ::readlink(fileName.constData(), target, sizeof target);
        if (length < 0)
            break;
        const QByteArray link(target, length);
        fileName =
            link.startsWith('/') ? link : fileName.left(fileName.lastIndexOf('/') + 1) + link;
    }
    return fileName;
}

} // namespace

// The new file has no name until it is complete where the file system allows it, so that a kill
// leaves nothing behind; where it does not (FAT), it is a hidden file beside the target.
QString AtomicFileWriter::write(const QByteArray& fileName, const QByteArray& data) {
    const QByteArray target = linkTarget(fileName);
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    const QByteArray temporary =
        folder + ".ampra-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    int descriptor =
        ::open(folder.isEmpty() ? "." : folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    const bool unnamed = descriptor >= 0;
    if (!unnamed)
        descriptor = ::open(temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return qt_error_string(errno);
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0) // its permissions stay
        ::fchmod(descriptor, existing.st_mode & 07777);
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(descriptor);
    QFile file;
    QString reason;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) ||
        file.write(data) != data.size() || !file.flush())
        reason = file.errorString();
    else if (::fsync(descriptor) != 0 ||
             (unnamed && ::linkat(AT_FDCWD, path.constData(), AT_FDCWD, temporary.constData(),
                                  AT_SYMLINK_FOLLOW) != 0) ||
             ::rename(temporary.constData(), target.constData()) != 0)
        reason = qt_error_string(errno);
    if (!reason.isEmpty())
        ::unlink(temporary.constData());
    return reason;
}
