// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PrivateBuses.h"

#include <QFile>

PrivateBuses::PrivateBuses(const QString& folder) {
    start(folder, "session", "DBUS_SESSION_BUS_ADDRESS");
    start(folder, "system", "DBUS_SYSTEM_BUS_ADDRESS");
}

PrivateBuses::~PrivateBuses() {
    for (const auto& daemon : _daemons) {
        daemon->terminate();
        daemon->waitForFinished();
    }
}

void PrivateBuses::start(const QString& folder, const char* type, const char* variable) {
    const QString config = folder + u'/' + QLatin1StringView(type) + QStringLiteral(".conf");
    QFile file(config);
    QFile configTemplate(QStringLiteral(AMPRA_TESTS_DIR "/support/private-bus.conf"));
    if (file.open(QIODevice::WriteOnly) && configTemplate.open(QIODevice::ReadOnly))
        file.write(configTemplate.readAll()
                       .replace("@TYPE@", type)
                       .replace("@FOLDER@", folder.toLocal8Bit()));
    file.close();
    // No event loop runs yet: the daemon's address is waited for.
    QProcess& daemon = *_daemons.emplace_back(std::make_unique<QProcess>());
    daemon.setStandardErrorFile(QProcess::nullDevice());
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                  QStringLiteral("--print-address")});
    // Without dbus-daemon the tests that need a bus fail on their own; never fall back to the
    // machine's real bus.
    qputenv(variable, daemon.waitForReadyRead(10000) ? daemon.readLine().trimmed()
                                                     : QByteArray("unix:path=/nonexistent"));
}
