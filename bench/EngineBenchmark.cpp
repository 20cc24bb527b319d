// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The cost of one engine update on a store with years of history; the fetches it makes are
// measured on their own by the store benchmark.

#include "StoreHistory.h"
#include "support/FakeBattery.h"
#include "support/FakeDateProvider.h"
#include "support/TestEngine.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// An engine on a store with years of history, the newest calibration ten days old.
class LoadedEngine {
public:
    LoadedEngine() {
        if (!fillStoreHistory(context, clock.now(), 10))
            std::abort();
        // Settled: on battery, the machine waiting in initCalibration, nothing left to write.
        battery.set(false, 60);
        engine.manager->refresh();
        engine.manager->refresh();
    }

    FakeDateProvider clock;
    FakeBattery battery;
    QTemporaryDir folder;
    TestEngine engine{folder.path(), battery, clock};
    ManagedObjectContext& context = *engine.configuration.context();
};

// Made by the first benchmark, once the application exists.
LoadedEngine& loadedEngine() {
    static LoadedEngine engine;
    return engine;
}

void BM_Update(benchmark::State& state) {
    LoadedEngine& loaded = loadedEngine();
    for (auto _ : state)
        loaded.engine.manager->refresh();
}
BENCHMARK(BM_Update)->Unit(benchmark::kMicrosecond);

// Every other update the battery becomes full, which looks for a recent snapshot (and finds
// one, so nothing is written); the time is per update.
void BM_UpdateBecomingFull(benchmark::State& state) {
    LoadedEngine& loaded = loadedEngine();
    for (auto _ : state) {
        loaded.battery.isCharged = !loaded.battery.isCharged;
        loaded.engine.manager->refresh();
    }
    loaded.battery.isCharged = false;
    loaded.engine.manager->refresh();
}
BENCHMARK(BM_UpdateBecomingFull)->Unit(benchmark::kMicrosecond);

// The part of an update that reads the battery (here a fake one, through the real reader).
void BM_BatteryRead(benchmark::State& state) {
    FakeBattery battery;
    BatteryData sample(battery.makeReader());
    for (auto _ : state) {
        sample.refreshBasicBatteryData();
        benchmark::DoNotOptimize(sample.currectCapacity);
    }
}
BENCHMARK(BM_BatteryRead)->Unit(benchmark::kMicrosecond);

} // namespace
