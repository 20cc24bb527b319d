// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The data store with years of history: the fetches an engine update and the history views
// make, the durable write of one record, and the migration of a long old history.

#include "StoreHistory.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "support/AmpraOneHistoryFile.h"

#include <QFile>
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

// A first launch migrating a history file of 100 000 entries into an empty store; meant to
// stay well under 2 s.
void BM_ImportAmpraOne(benchmark::State& state) {
    const QByteArray history = ampraOneHistoryFile(100000);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        SettingsStore settings(folder.filePath(QStringLiteral("settings.json")));
        AmpraConfiguration configuration(settings);
        AppPersistance persistance(&configuration, folder.path());
        configuration.setDataStore(&persistance);
        QFile file(folder.filePath(AppPersistance::kAmpraOneStatusFileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(history) != history.size())
            state.SkipWithError("cannot write the history file");
        file.close();
        state.ResumeTiming();
        persistance.importDataFormAmpraOne();
    }
}
BENCHMARK(BM_ImportAmpraOne)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
