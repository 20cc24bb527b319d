// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArrayList>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <optional>

// The options Ampra understands. Those that only print need no display: which application object
// to make is decided from a first parse, before any application exists, and the options are made
// again once the translation is installed so that --help speaks the user's language.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();

    // True when the arguments ask for something printed (including an error), not for the tray.
    static bool printsOnly(const QStringList& arguments);

    // Prints help, the version or an error and leaves, as the parser does.
    void process(const QCoreApplication& application);

    bool printBattery() const;
    // The file to export the history to ("-": standard output), when asked for, byte for byte as
    // `arguments` (the program's) spell it: a name that is not text in the locale's encoding does
    // not survive a QString.
    std::optional<QByteArray> exportHistory(const QByteArrayList& arguments) const;
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
};
