// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/LogSystem.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>
#include <unistd.h>

namespace {

QString readFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Captures what is written to standard output, or another descriptor, while it lives.
class StdoutCapture {
public:
    explicit StdoutCapture(const QString& path, int stream = STDOUT_FILENO)
        : _path(path)
        , _stream(stream) {
        fflush(nullptr);
        _saved = dup(stream);
        const int fd = open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, stream);
        close(fd);
    }
    QString finish() {
        fflush(nullptr);
        dup2(_saved, _stream);
        close(_saved);
        return readFile(_path);
    }

private:
    QString _path;
    int _stream;
    int _saved;
};

TEST(LogSystemTest, RoutesCalibrationLinesToTheFileAndEveryLineToTheConsoleOnce) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("missing/com.vantrel.Ampra");
    ASSERT_TRUE(LogSystem::setup(folder));

    StdoutCapture capture(dir.filePath("stdout.txt"));
    auto algorithm = log4cplus::Logger::getInstance("calibration.algorithm");
    LOG4CPLUS_INFO(algorithm, "Algorithm LoopCounter: " << 3);
    LOG4CPLUS_INFO(log4cplus::Logger::getInstance("ui.statusbar"), "status item redrawn");
    LOG4CPLUS_DEBUG(log4cplus::Logger::getInstance("ui.statusbar"), "below the threshold");
    qWarning("a Qt warning");
    const QString console = capture.finish();
    const QString file = readFile(folder + "/ampra.log");

    const QRegularExpression line(
        R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} - INFO # Algorithm LoopCounter: 3$)",
        QRegularExpression::MultilineOption);
    EXPECT_EQ(console.count("Algorithm LoopCounter: 3"), 1);
    EXPECT_TRUE(line.match(console).hasMatch()) << console.toStdString();
    EXPECT_TRUE(line.match(file).hasMatch()) << file.toStdString();
    EXPECT_EQ(console.count("status item redrawn"), 1);
    EXPECT_FALSE(file.contains("status item redrawn"));
    EXPECT_FALSE(console.contains("below the threshold"));
    EXPECT_TRUE(console.contains(" - WARN # a Qt warning"));
    EXPECT_FALSE(console.contains("\033[")); // no colours when the output is not a terminal
}

// A folder that cannot be created is said once, not again with every calibration line.
TEST(LogSystemTest, AFolderThatCannotBeCreatedIsReportedOnce) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    StdoutCapture out(dir.filePath("stdout.txt"));
    StdoutCapture errors(dir.filePath("stderr.txt"), STDERR_FILENO);
    EXPECT_FALSE(LogSystem::setup(dir.filePath("file/com.vantrel.Ampra")));
    for (int i = 0; i < 3; ++i)
        LOG4CPLUS_INFO(log4cplus::Logger::getInstance("calibration.algorithm"), "a line " << i);
    const QString errorText = errors.finish();
    const QString console = out.finish();
    EXPECT_EQ(console.count("Cannot create the folder"), 1) << console.toStdString();
    EXPECT_EQ(console.count("a line "), 3);
    EXPECT_FALSE(errorText.contains("log4cplus")) << errorText.toStdString();
}

} // namespace
