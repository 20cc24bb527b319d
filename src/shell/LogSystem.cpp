// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LogSystem.h"

#include "ColorConsoleAppender.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <exception>
#include <log4cplus/consoleappender.h>
#include <log4cplus/fileappender.h>
#include <log4cplus/layout.h>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>
#include <log4cplus/spi/loggingevent.h>
#include <syslog.h>

namespace {

// Bounded so that a machine left running for years cannot fill its disk.
constexpr long kMaxLogFileSize = 2 * 1024 * 1024;
constexpr int kLogBackups = 3;

void reportFailure() {
    syslog(LOG_ERR, "Error Loading the Logger.");
    qCritical("Error Loading the Logger.");
}

void routeQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString category = QString::fromUtf8(context.category ? context.category : "default");
    const auto logger = log4cplus::Logger::getInstance(
        category == QStringLiteral("default") ? std::string("qt") : "qt." + category.toStdString());
    log4cplus::LogLevel level = log4cplus::INFO_LOG_LEVEL;
    switch (type) {
    case QtDebugMsg:
        level = log4cplus::DEBUG_LOG_LEVEL;
        break;
    case QtInfoMsg:
        break;
    case QtWarningMsg:
        level = log4cplus::WARN_LOG_LEVEL;
        break;
    case QtCriticalMsg:
        level = log4cplus::ERROR_LOG_LEVEL;
        break;
    case QtFatalMsg:
        level = log4cplus::FATAL_LOG_LEVEL;
        break;
    }
    if (logger.isEnabledFor(level))
        logger.forcedLog(level, message.toStdString(), context.file ? context.file : "",
                         context.line, context.function ? context.function : "");
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void LogSystem::appendWarning(const QString& applicationFolder, const QString& message) {
    const QString path = QDir(applicationFolder).filePath(QLatin1StringView(kLogFileName));
    if (!QFileInfo(path).isFile())
        return;
    // Opened for appending, so the line lands whole after the running one's.
    log4cplus::SharedAppenderPtr file(
        new log4cplus::FileAppender(QFile::encodeName(path).toStdString(), std::ios_base::app));
    file->setLayout(std::make_unique<log4cplus::PatternLayout>(kPattern));
    file->doAppend(log4cplus::spi::InternalLoggingEvent("shell", log4cplus::WARN_LOG_LEVEL,
                                                        message.toStdString(), __FILE__, __LINE__));
    file->close();
}

bool LogSystem::setup(const QString& applicationFolder) {
    std::unique_ptr<log4cplus::Layout> pattern;
    try {
        pattern = std::make_unique<log4cplus::PatternLayout>(kPattern);
    } catch (const std::exception&) {
        reportFailure();
        return false;
    }
    auto makeLayout = [] {
        return std::make_unique<log4cplus::PatternLayout>(kPattern);
    };

    log4cplus::SharedAppenderPtr console(new log4cplus::ConsoleAppender(false, true));
    console->setName("StandarOutAppender");
    console->setLayout(std::move(pattern));

    auto* colored = new ColorConsoleAppender;
    log4cplus::SharedAppenderPtr coloredConsole(colored);
    coloredConsole->setName("StandarOutColorAppender");
    coloredConsole->setLayout(makeLayout());
    colored->setColor(log4cplus::ERROR_LOG_LEVEL, "31");
    colored->setColor(log4cplus::WARN_LOG_LEVEL, "33");
    colored->setColor(log4cplus::INFO_LOG_LEVEL, "32");
    colored->setColor(log4cplus::DEBUG_LOG_LEVEL, "36");

    log4cplus::Logger root = log4cplus::Logger::getRoot();
    root.removeAllAppenders();
    root.addAppender(console);
    root.setLogLevel(log4cplus::INFO_LOG_LEVEL);

    log4cplus::Logger calibration = log4cplus::Logger::getInstance("calibration");
    calibration.removeAllAppenders();
    calibration.setLogLevel(log4cplus::NOT_SET_LOG_LEVEL);

    const bool ok = QDir().mkpath(applicationFolder);
    // Without its folder the file would complain on every line; the failure is said once below.
    if (ok) {
        const std::string logPath =
            QDir(applicationFolder).filePath(QLatin1StringView(kLogFileName)).toStdString();
        log4cplus::SharedAppenderPtr file(
            new log4cplus::RollingFileAppender(logPath, kMaxLogFileSize, kLogBackups, true, true));
        file->setName("fileAppender");
        file->setLayout(makeLayout());
        file->setThreshold(log4cplus::DEBUG_LOG_LEVEL);
        calibration.addAppender(file);
    }
    calibration.addAppender(coloredConsole);
    // A calibration line reaches the console once, through the coloured appender.
    calibration.setAdditivity(false);
    if (!ok) {
        const QByteArray message = "Cannot create the folder " + applicationFolder.toLocal8Bit() +
                                   ": the calibration log is not kept";
        syslog(LOG_ERR, "%s", message.constData());
        LOG4CPLUS_ERROR(root, message.constData());
    }

    qInstallMessageHandler(routeQtMessage);
    return ok;
}
