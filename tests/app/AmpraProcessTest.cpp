// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/SettingsStore.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString kAmpra = QString(AMPRA_BUILD_DIR) + "/src/app/ampra";

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/com.vantrel.Ampra/settings.json";
}

// Waits for a running program to reach a state the test can see on disk.
bool waitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return false;
}

void startAmpra(QProcess& process) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("AMPRA_SYSFS_ROOT", QString(AMPRA_FIXTURES) + "/sysfs/charge-discharging");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(kAmpra, {});
    ASSERT_TRUE(process.waitForStarted());
}

TEST(AmpraProcessTest, ASecondInstanceExitsAndSigtermQuitsInOrder) {
    QProcess first;
    startAmpra(first);
    // The first update writes the engine state.
    ASSERT_TRUE(waitFor([] {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) &&
               file.readAll().contains("CalibrationAlgorithmState");
    }));

    QProcess second;
    startAmpra(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // Only an orderly quit clears the first-launch flag.
    EXPECT_FALSE(SettingsStore(settingsPath()).objectForKey("isFirstLaunch").isValid());
    kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    const QVariant firstLaunch = SettingsStore(settingsPath()).objectForKey("isFirstLaunch");
    EXPECT_EQ(firstLaunch, QVariant(false));
}

} // namespace
