// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PrivateBuses.h"

#include <QFile>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

PrivateBuses::PrivateBuses(const QString& folder) : _folder(folder) {
    start("session", "DBUS_SESSION_BUS_ADDRESS");
    start("system", "DBUS_SYSTEM_BUS_ADDRESS");
}

PrivateBuses::~PrivateBuses() {
    for (pid_t pid : _daemons) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

void PrivateBuses::start(const char* type, const char* variable) {
    const QString config = _folder + u'/' + QLatin1StringView(type) + QStringLiteral(".conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QFile configTemplate(QStringLiteral(AMPRA_TESTS_DIR "/support/private-bus.conf"));
    if (!configTemplate.open(QIODevice::ReadOnly))
        return;
    file.write(configTemplate.readAll()
                   .replace("@TYPE@", type)
                   .replace("@FOLDER@", _folder.toLocal8Bit()));
    file.close();

    int addressPipe[2];
    if (pipe(addressPipe) != 0)
        return;
    const pid_t pid = fork();
    if (pid == 0) {
        close(addressPipe[0]);
        const QByteArray configArgument = "--config-file=" + config.toLocal8Bit();
        const QByteArray addressArgument = "--print-address=" + QByteArray::number(addressPipe[1]);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execlp("dbus-daemon", "dbus-daemon", configArgument.constData(), "--nofork",
               addressArgument.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(addressPipe[1]);
    if (pid < 0) {
        close(addressPipe[0]);
        return;
    }
    _daemons.push_back(pid);
    char buffer[512] = {};
    const ssize_t length = read(addressPipe[0], buffer, sizeof buffer - 1);
    close(addressPipe[0]);
    if (length > 0) {
        QByteArray address(buffer, int(length));
        setenv(variable, address.trimmed().constData(), 1);
    } else {
        // Without dbus-daemon the tests that need a bus fail on their own; never fall back to
        // the machine's real bus.
        setenv(variable, "unix:path=/nonexistent", 1);
    }
}
