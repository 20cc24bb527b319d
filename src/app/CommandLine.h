// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArrayList>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

// The options Ampra understands, read from the program's arguments as the system gives them, in
// bytes. Those that only print need no display: which application object to make is decided from
// a first reading, before any application exists, and the arguments are read again once the
// translation is installed so that the help and the mistakes speak the user's language.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit CommandLine(const QByteArrayList& arguments);

    // True when the arguments ask for something printed (including an error), not for the tray.
    static bool printsOnly(const QByteArrayList& arguments);

    // Prints the help, the version or what is wrong with the arguments, when that is what they
    // come to, and returns the exit status to leave with; nothing when there is work to do.
    std::optional<int> answer() const;

    bool printBattery() const;
    // The file to export the history to ("-": standard output), when asked for, byte for byte: a
    // name that is not text in the locale's encoding does not survive a QString.
    std::optional<QByteArray> exportHistory() const;
    bool overrideBattery() const;
    bool preferences() const;
    // Draws the pictures, so it needs a display (QT_QPA_PLATFORM=offscreen will do).
    bool checkResources() const;

private:
    QCommandLineParser _parser;
    QCommandLineOption _printBattery;
    QCommandLineOption _exportHistory;
    QCommandLineOption _overrideBattery;
    QCommandLineOption _preferences;
    QCommandLineOption _checkResources;
    bool _parsed = false;
};
