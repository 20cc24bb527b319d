// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"
#include "calibration/SystemDateProvider.h"
#include "platform/linux/LinuxBatteryDataProviderFactory.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const QString kMachine = QStringLiteral(AMPRA_FIXTURES "/sysfs/two-batteries-and-peripheral");

// What the battery manager does on every update: list the supplies, read their types and scopes
// and the batteries' and mains' uevents, map the main battery's, pick the counters out of its
// registry text and refresh the sample.
void BM_FullReading(benchmark::State& state) {
    const SystemDateProvider clock;
    BatteryData battery(LinuxBatteryDataProviderFactory::create(false, clock, kMachine));
    for (auto _ : state) {
        battery.refreshBasicBatteryData();
        benchmark::DoNotOptimize(battery.currentChargePercentage);
    }
}
BENCHMARK(BM_FullReading)->UseRealTime();

// The floor of reading through a registry tool: start a child that prints the same text and
// collect its output, before any parsing.
void BM_ChildProcessPrintingTheText(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(kMachine + QStringLiteral("/BAT0/uevent"));
    char* const arguments[] = {const_cast<char*>("cat"), const_cast<char*>(path.constData()),
                               nullptr};
    for (auto _ : state) {
        int output[2];
        if (pipe(output) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        pid_t child = 0;
        const int failed = posix_spawnp(&child, "cat", &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        char buffer[4096];
        size_t total = 0;
        for (ssize_t count; (count = read(output[0], buffer, sizeof buffer)) > 0;)
            total += size_t(count);
        close(output[0]);
        if (failed != 0 || waitpid(child, nullptr, 0) != child || total == 0) {
            state.SkipWithError("cat did not run");
            break;
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ChildProcessPrintingTheText)->UseRealTime();

// Keeps each benchmark's time per iteration to print the two side by side.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto reading = reporter.times.find("BM_FullReading/real_time");
    const auto child = reporter.times.find("BM_ChildProcessPrintingTheText/real_time");
    if (reading != reporter.times.end() && child != reporter.times.end() && reading->second > 0)
        std::printf("A child process printing the text costs %.0f times one full reading.\n",
                    child->second / reading->second);
    return 0;
}
