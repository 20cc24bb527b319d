// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CommandLine.h"

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

CommandLine::CommandLine(const QByteArrayList& arguments)
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
    // Each byte as one character: the options' names are ASCII, and a value comes back as spelt.
    QStringList latin1;
    for (const QByteArray& argument : arguments)
        latin1 << QString::fromLatin1(argument);
    _parsed = _parser.parse(latin1);
}

bool CommandLine::printsOnly(const QByteArrayList& arguments) {
    const CommandLine commandLine(arguments);
    const QCommandLineParser& parser = commandLine._parser;
    return !commandLine._parsed || parser.isSet(QStringLiteral("help")) ||
           parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")) ||
           parser.isSet(commandLine._printBattery) || parser.isSet(commandLine._exportHistory);
}

// As QCommandLineParser::process() would answer, but leaving the leaving to the caller. Qt's own
// options, which --help-all adds, are those of QML, which Ampra does not use.
std::optional<int> CommandLine::answer() const {
    const QString name = QCoreApplication::applicationName();
    if (_parsed && _parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(name + u' ' + QCoreApplication::applicationVersion() + u'\n'),
                   stdout);
        return EXIT_SUCCESS;
    }
    if (_parsed &&
        (_parser.isSet(QStringLiteral("help")) || _parser.isSet(QStringLiteral("help-all")))) {
        std::fputs(qPrintable(_parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    QString mistake;
    if (!_parsed) {
        mistake = _parser.errorText();
        // A mistyped name as the terminal spelt it.
        for (const QString& option : _parser.unknownOptionNames())
            mistake.replace(option, QString::fromLocal8Bit(option.toLatin1()));
    } else if (_parser.isSet(_exportHistory) &&
               (_parser.isSet(_printBattery) || _parser.isSet(_overrideBattery) ||
                _parser.isSet(_preferences))) {
        // Each of these does one thing: with two, one would be left undone without a word.
        //: Printed when "ampra --export-history" is given with another option that does
        //: something else
        mistake = tr("--export-history cannot be combined with --print-battery, "
                     "--override-battery or --preferences.");
    }
    if (mistake.isEmpty())
        return std::nullopt;
    std::fputs(qPrintable(name + u": "_s + mistake + u'\n'), stderr);
    return EXIT_FAILURE;
}

bool CommandLine::printBattery() const {
    return _parser.isSet(_printBattery);
}

std::optional<QByteArray> CommandLine::exportHistory() const {
    if (!_parser.isSet(_exportHistory))
        return std::nullopt;
    return _parser.value(_exportHistory).toLatin1();
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
