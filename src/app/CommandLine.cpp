// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CommandLine.h"

CommandLine::CommandLine()
    : _printBattery(QStringLiteral("print-battery"),
                    //: Help for "ampra --print-battery"
                    tr("Print what the power supply files say about the main battery, and "
                       "leave.")) {
    //: Shown by "ampra --help" under the usage line
    _parser.setApplicationDescription(tr("Ampra keeps an eye on your laptop's battery from the "
                                         "system tray."));
    _parser.addHelpOption();
    _parser.addVersionOption();
    _parser.addOption(_printBattery);
}

bool CommandLine::printsOnly(const QStringList& arguments) {
    CommandLine commandLine;
    QCommandLineParser& parser = commandLine._parser;
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help")) ||
           parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")) ||
           parser.isSet(commandLine._printBattery);
}

void CommandLine::process(const QCoreApplication& application) {
    _parser.process(application);
}

bool CommandLine::printBattery() const {
    return _parser.isSet(_printBattery);
}
