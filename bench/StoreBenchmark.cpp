// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The data store with years of history: the fetches an engine update and the history views
// make, and the durable write of one record.

#include "StoreHistory.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1764958381, Qt::UTC);

// A store with years of history, all saved.
class LoadedStore {
public:
    LoadedStore() {
        if (!fillStoreHistory(context, kNow, 0))
            std::abort();
    }

    QTemporaryDir folder;
    AppPersistance persistance{nullptr, folder.path()};
    ManagedObjectContext& context = *persistance.managedObjectContext();
};

// Made by the first benchmark, once the application exists.
LoadedStore& loadedStore() {
    static LoadedStore store;
    return store;
}

void BM_FetchNewest(benchmark::State& state, const QString& entityName) {
    ManagedObjectContext& context = loadedStore().context;
    const int limit = int(state.range(0));
    for (auto _ : state) {
        auto records = context.fetchNewest(entityName, limit);
        benchmark::DoNotOptimize(records);
    }
}
// One record: what calibration control asks on every update; a hundred: the history tables.
BENCHMARK_CAPTURE(BM_FetchNewest, Calibration, Calibration::kEntityName)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FetchNewest, BatteryStatusSnapshot, BatteryStatusSnapshot::kEntityName)
    ->Arg(1)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);

// Insert and save one snapshot, synced to disk as a record written before a power-off is.
void BM_SaveOneSnapshot(benchmark::State& state) {
    ManagedObjectContext& context = loadedStore().context;
    for (auto _ : state) {
        BatteryStatusSnapshot snapshot(context);
        snapshot.setDate(kNow);
        snapshot.setCapacity(4400);
        if (!context.save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOneSnapshot)->Unit(benchmark::kMillisecond);

} // namespace
