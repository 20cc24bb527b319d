// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// Configures the logger hierarchy once per run: the root logger prints to the console, the
// "calibration" loggers to "ampra.log" in the given folder and to a coloured console. Qt's own
// messages join the same hierarchy.
class LogSystem {
public:
    static constexpr const char* kPattern = "%D{%Y-%m-%d %H:%M:%S.%q} - %p # %m%n";
    static constexpr const char* kLogFileName = "ampra.log";

    // Returns false when the loggers kept the defaults or the log file cannot be kept.
    static bool setup(const QString& applicationFolder);
    // A warning from a start that gives way, appended to the running Ampra's log, if it keeps
    // one, without configuring anything: the running one's appender goes on rolling the file.
    static void appendWarning(const QString& applicationFolder, const QString& message);
};
