// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/LogSystem.h"

#include "support/Files.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

TEST(LogSystemTest, RoutesCalibrationLinesToTheFileAndEveryLineToTheConsoleOnce) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("missing/com.vantrel.Ampra");
    ASSERT_TRUE(LogSystem::setup(folder));

    testing::internal::CaptureStdout();
    auto algorithm = log4cplus::Logger::getInstance("calibration.algorithm");
    LOG4CPLUS_INFO(algorithm, "Algorithm LoopCounter: " << 3);
    LOG4CPLUS_INFO(log4cplus::Logger::getInstance("ui.statusbar"), "status item redrawn");
    LOG4CPLUS_DEBUG(log4cplus::Logger::getInstance("ui.statusbar"), "below the threshold");
    qWarning("a Qt warning");
    const QString console = QString::fromStdString(testing::internal::GetCapturedStdout());
    const QString file = QString::fromUtf8(readFile(folder + "/ampra.log"));

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
    ASSERT_TRUE(writeFile(dir.filePath("file"), {}));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LogSystem::setup(dir.filePath("file/com.vantrel.Ampra")));
    for (int i = 0; i < 3; ++i)
        LOG4CPLUS_INFO(log4cplus::Logger::getInstance("calibration.algorithm"), "a line " << i);
    const std::string errors = testing::internal::GetCapturedStderr();
    const QString console = QString::fromStdString(testing::internal::GetCapturedStdout());
    EXPECT_EQ(console.count("Cannot create the folder"), 1) << console.toStdString();
    EXPECT_EQ(console.count("a line "), 3);
    EXPECT_EQ(errors.find("log4cplus"), std::string::npos) << errors;
}

} // namespace
