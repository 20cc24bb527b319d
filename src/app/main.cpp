// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppDelegate.h"
#include "CommandLine.h"
#include "battery/BatteryData.h"
#include "calibration/SystemDateProvider.h"
#include "persistence/AppPersistance.h"
#include "persistence/ApplicationFolder.h"
#include "persistence/HistoryExport.h"
#include "persistence/StoreError.h"
#include "platform/linux/FreedesktopApplication.h"
#include "platform/linux/LinuxBatteryDataProviderFactory.h"
#include "platform/linux/LinuxPlatformServices.h"
#include "shell/AppManager.h"
#include "shell/LogSystem.h"
#include "shell/QuitSignalHandler.h"
#include "shell/Translations.h"
#include "stylekit/FocusFrameStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QTextStream>
#include <log4cplus/config.hxx>
#include <log4cplus/consoleappender.h>
#include <log4cplus/initializer.h>
#include <log4cplus/layout.h>
#include <log4cplus/logger.h>
#include <memory>
namespace {

// Warnings about the readings go to standard error, so that standard output stays the report.
void logToStandardError() {
    log4cplus::SharedAppenderPtr console(new log4cplus::ConsoleAppender(true));
    console->setLayout(std::make_unique<log4cplus::PatternLayout>(LogSystem::kPattern));
    log4cplus::Logger::getRoot().addAppender(console);
}

// The main power source's description, keys sorted, then the battery sample it gives.
int printBattery() {
    QTextStream out(stdout);
    const SystemDateProvider clock;
    BatteryData battery(LinuxBatteryDataProviderFactory::create(false, clock));
    const std::optional<QVariantMap> description = battery.dataSource->loadMainBatteryData();
    if (!description) {
        //: Printed by "ampra --print-battery" when the power supply files cannot be read
        out << QCoreApplication::translate("main", "The battery could not be read.") << '\n';
        return 0;
    }
    if (description->isEmpty()) {
        //: Printed by "ampra --print-battery" on a computer without a battery
        out << QCoreApplication::translate("main", "No battery found.") << '\n';
        return 0;
    }
    for (auto it = description->cbegin(); it != description->cend(); ++it)
        out << it.key() << ": " << it.value().toString() << '\n';
    battery.refreshBasicBatteryData();
    out << battery.description() << '\n';
    return 0;
}

// Reads the store without taking the instance lock: a running Ampra goes on undisturbed.
int exportHistory(const QByteArray& fileName) {
    StoreError error;
    const QString store = QDir(ApplicationFolder::path()).filePath(AppPersistance::kStoreFileName);
    if (HistoryExport::exportStore(store, fileName, &error))
        return 0;
    //: Printed by "ampra --export-history FILE" when it fails; %1 is the reason, in English
    QTextStream(stderr) << QCoreApplication::translate("main", "The history was not exported: %1")
                               .arg(error.description + u' ' + error.failureReason)
                        << '\n';
    return 1;
}

// Every built-in picture, loaded as the windows load them: without Qt's SVG plugins they come out
// empty and nothing else says so.
int checkResources() {
    int loaded = 0;
    int failed = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QImageReader reader(path);
        if (!reader.read().isNull() && !QIcon(path).pixmap(32).isNull()) {
            ++loaded;
            continue;
        }
        ++failed;
        //: Printed by "ampra --check-resources"; %1 is a picture's path, %2 the reason, in English
        QTextStream(stderr) << QCoreApplication::translate("main", "%1 does not load: %2")
                                   .arg(path, reader.errorString())
                            << '\n';
    }
    //: Printed by "ampra --check-resources" at the end
    QTextStream(stdout) << QCoreApplication::translate("main", "%n picture(s) load.", nullptr,
                                                       loaded)
                        << '\n';
    return loaded > 0 && failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    log4cplus::Initializer logging;
    // Every appender logs synchronously: the pool's threads would only wait. The library keeps
    // at least one.
    log4cplus::setThreadPoolSize(0);
    const QByteArrayList arguments(argv, argv + argc);
    const bool printsOnly = CommandLine::printsOnly(arguments);
    const std::unique_ptr<QCoreApplication> application =
        printsOnly ? std::make_unique<QCoreApplication>(argc, argv)
                   : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ampra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AMPRA_VERSION));
    const Translations translations;
    const CommandLine commandLine(arguments);
    if (const std::optional<int> status = commandLine.answer())
        return *status;
    if (printsOnly) {
        logToStandardError();
        if (const std::optional<QByteArray> file = commandLine.exportHistory())
            return exportHistory(*file);
        return printBattery();
    }

    if (commandLine.checkResources())
        return checkResources();

    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantrel.Ampra"));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The kit's focus outline on the standard controls, before any window is built.
    QApplication::setStyle(new FocusFrameStyle);
    // Before the start-up work (a first launch migrates the old history): a SIGTERM meanwhile
    // waits for the event loop and then quits in order.
    QuitSignalHandler quitOnSignal;
    AppDelegate delegate([] { return std::make_unique<LinuxPlatformServices>(); });
    const QString action = commandLine.preferences()
                               ? QString::fromLatin1(ApplicationActions::kPreferences)
                               : QString();
    if (!delegate.applicationDidFinishLaunching()) {
        // Started again from a launcher or a terminal: the running one shows itself.
        if (!FreedesktopApplication::activateRunningInstance(action))
            qWarning("Ampra runs already, but does not answer on the session bus");
        return 0;
    }
    AppManager& manager = *delegate.applicationManager();
    const FreedesktopApplication desktopApplication(manager);
    if (commandLine.overrideBattery())
        manager.showBatteryDataHijackWindow();
    if (!action.isEmpty())
        manager.activateAction(action);
    QObject::connect(application.get(), &QCoreApplication::aboutToQuit, &delegate,
                     &AppDelegate::applicationWillTerminate);
    return QCoreApplication::exec();
}
