// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PrivateBuses.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gmock/gmock.h>

#ifdef AMPRA_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// Every test program gets its own home: nothing a test writes can reach the user's files.
int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    // CTest lists the cases before it runs them: no buses for that.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QByteArray root = home.path().toLocal8Bit();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const QByteArray folder = root + "/" + QByteArray(name).toLower();
        QDir().mkpath(QString::fromLocal8Bit(folder));
        qputenv(name, folder);
    }
    qputenv("HOME", root);
    // No test reaches the update feed a build names.
    qputenv("AMPRA_APPCAST_URL", "");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QFile::setPermissions(home.path() + QStringLiteral("/xdg_runtime_dir"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    PrivateBuses buses(home.path());

    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
