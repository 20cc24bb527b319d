// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CommandLine.h"

#include <cstdio>
#include <cstdlib>

CommandLine::CommandLine()
    : _printBattery(QStringLiteral("print-battery"),
                    //: Help for "ampra --print-battery"
                    tr("Print what the power supply files say about the main battery, and "
                       "leave."))
    , _exportHistory(QStringLiteral("export-history"),
                     //: Help for "ampra --export-history FILE"
                     tr("Write the capacity history and the calibrations to FILE as CSV, or to "
                        "the standard output when FILE is -, and leave."),
                     //: Placeholder for the file name in "ampra --help"
                     tr("FILE"))
    , _overrideBattery(QStringLiteral("override-battery"),
                       //: Help for "ampra --override-battery", a facility for developers
                       tr("Start with a window that replaces the battery's readings with values "
                          "set by hand, also on a computer without a battery."))
    , _preferences(QStringLiteral("preferences"),
                   //: Help for "ampra --preferences"
                   tr("Open the preferences window, in the Ampra that runs if there is one."))
    , _checkResources(QStringLiteral("check-resources"),
                      //: Help for "ampra --check-resources", a check for packagers
                      tr("Load every picture Ampra shows, name those that do not load, and "
                         "leave.")) {
    //: Shown by "ampra --help" under the usage line
    _parser.setApplicationDescription(tr("Ampra keeps an eye on your laptop's battery from the "
                                         "system tray."));
    _parser.addHelpOption();
    _parser.addVersionOption();
    _parser.addOption(_printBattery);
    _parser.addOption(_exportHistory);
    _parser.addOption(_overrideBattery);
    _parser.addOption(_preferences);
    _parser.addOption(_checkResources);
}

bool CommandLine::printsOnly(const QStringList& arguments) {
    CommandLine commandLine;
    QCommandLineParser& parser = commandLine._parser;
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help")) ||
           parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")) ||
           parser.isSet(commandLine._printBattery) || parser.isSet(commandLine._exportHistory);
}

void CommandLine::process(const QCoreApplication& application) {
    _parser.process(application);
    // Each of these does one thing: with two, one would be left undone without a word.
    if (_parser.isSet(_exportHistory) &&
        (_parser.isSet(_printBattery) || _parser.isSet(_overrideBattery) ||
         _parser.isSet(_preferences))) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     //: Printed when "ampra --export-history" is given with another option that
                     //: does something else
                     qPrintable(tr("--export-history cannot be combined with --print-battery, "
                                   "--override-battery or --preferences.")));
        std::exit(EXIT_FAILURE);
    }
}

bool CommandLine::printBattery() const {
    return _parser.isSet(_printBattery);
}

std::optional<QByteArray> CommandLine::exportHistory(const QByteArrayList& arguments) const {
    if (!_parser.isSet(_exportHistory))
        return std::nullopt;
    // The parser's own reading: the last value given, after the option or after "=".
    const QByteArray option = "--" + _exportHistory.names().constFirst().toLatin1();
    std::optional<QByteArray> fileName;
    for (qsizetype i = 1; i < arguments.size() && arguments.at(i) != "--"; ++i) {
        if (arguments.at(i) == option && i + 1 < arguments.size())
            fileName = arguments.at(++i);
        else if (arguments.at(i).startsWith(option + '='))
            fileName = arguments.at(i).mid(option.size() + 1);
    }
    return fileName;
}

bool CommandLine::overrideBattery() const {
    return _parser.isSet(_overrideBattery);
}

bool CommandLine::preferences() const {
    return _parser.isSet(_preferences);
}

bool CommandLine::checkResources() const {
    return _parser.isSet(_checkResources);
}
