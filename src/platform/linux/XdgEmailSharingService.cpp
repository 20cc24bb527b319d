// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "XdgEmailSharingService.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

QString XdgEmailSharingService::program() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

bool XdgEmailSharingService::canPerformWithItems(const Items&) const {
    return !program().isEmpty();
}

void XdgEmailSharingService::performWithItems(const Items& items) {
    QStringList arguments{QStringLiteral("--subject"), _subject, QStringLiteral("--body"),
                          items.body};
    for (const QString& file : items.attachments)
        arguments << QStringLiteral("--attach") << file;
    arguments << _recipients;
    // The mail program may outlive Ampra, so a shell of its own removes the temporary folder
    // once xdg-email has handed the files over and returned.
    const bool started =
        items.temporaryFolder.isEmpty()
            ? QProcess::startDetached(program(), arguments)
            : QProcess::startDetached(QStringLiteral("/bin/sh"),
                                      QStringList{QStringLiteral("-c"),
                                                  QStringLiteral("\"$@\"; rm -rf -- \"$0\""),
                                                  items.temporaryFolder, program()} +
                                          arguments);
    if (started)
        return;
    LOG4CPLUS_WARN(log4cplus::Logger::getInstance("platform.mail"),
                   "xdg-email could not be started");
    if (!items.temporaryFolder.isEmpty())
        QDir(items.temporaryFolder).removeRecursively();
}
