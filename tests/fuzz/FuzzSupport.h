// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "support/Files.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <log4cplus/initializer.h>
#include <log4cplus/logger.h>

// What every fuzz target shares. Each target is one program that includes this once and defines
// fuzz(): one run on one input, whose invariants abort, so that libFuzzer keeps the input that
// broke one.
void fuzz(const QByteArray& input);

// Quiet logging, as a hostile input makes the code under test warn on every run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static log4cplus::Initializer initializer;
    log4cplus::Logger::getRoot().setLogLevel(log4cplus::OFF_LOG_LEVEL);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}

inline void require(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "Invariant broken: %s\n", invariant);
    std::abort();
}

// A folder for the files a target writes on every run: in memory where there is such a file
// system, as the store syncs what it writes.
inline QTemporaryDir& scratchFolder() {
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/ampra-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/ampra-fuzz-XXXXXX"));
    return folder;
}

inline void mustWrite(const QString& path, const QByteArray& content) {
    require(writeFile(path, content), "the input can be written to a file");
}
