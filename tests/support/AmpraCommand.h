// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QProcess>

// How "ampra <arguments>" ended, run to its end in English and without a display.
struct AmpraCommand {
    int exitCode = -1;
    QByteArray output;
    QString errors;

    static constexpr const char* kProgram = AMPRA_BUILD_DIR "/src/app/ampra";

    // The program may be one that runs ampra: a shell passing it bytes that are not text.
    explicit AmpraCommand(const QStringList& arguments, const QString& sysfsRoot = {},
                          const QString& program = QString::fromUtf8(kProgram)) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!sysfsRoot.isEmpty())
            environment.insert(QStringLiteral("AMPRA_SYSFS_ROOT"), sysfsRoot);
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
            exitCode = process.exitCode();
        output = process.readAllStandardOutput();
        errors = QString::fromUtf8(process.readAllStandardError());
    }
};
