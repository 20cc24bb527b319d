// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include <benchmark/benchmark.h>
#ifdef AMPRA_BENCH_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

// The main of a benchmark program: the application exists first, because Qt finds its plugins
// (the SQLite driver among them) through it. Widgets are drawn offscreen.
int main(int argc, char** argv) {
#ifdef AMPRA_BENCH_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#else
    QCoreApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
