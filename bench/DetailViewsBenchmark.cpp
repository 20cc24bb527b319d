// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Opening the detail views over years of history, drawn offscreen as a click on a ring opens
// them: the capacity view with its chart and table, the calibration view with its history shown.

#include "StoreHistory.h"
#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "calibration/SystemDateProvider.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPCapacityVC.h"
#include "popover/CapacityChart.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1764958381, Qt::UTC);

class LoadedConfiguration {
public:
    LoadedConfiguration(int snapshots, int calibrations) {
        configuration.setDataStore(&persistance);
        if (!fillStoreHistory(*persistance.managedObjectContext(), kNow, 0, snapshots, calibrations,
                              1))
            std::abort();
    }

    QTemporaryDir folder;
    SettingsStore settings{folder.filePath(QStringLiteral("settings.json"))};
    AmpraConfiguration configuration{settings};
    AppPersistance persistance{&configuration, folder.filePath(QStringLiteral("store"))};
};

// One store per size, made by the first benchmark that asks for it and closed while the
// application, which holds the SQLite driver, still exists.
AmpraConfiguration& loaded(int snapshots, int calibrations) {
    static std::map<std::pair<int, int>, std::unique_ptr<LoadedConfiguration>> stores;
    if (stores.empty())
        qAddPostRoutine([] { stores.clear(); });
    auto& store = stores[{snapshots, calibrations}];
    if (!store)
        store = std::make_unique<LoadedConfiguration>(snapshots, calibrations);
    return store->configuration;
}

CalibrationData record() {
    BatteryData battery;
    battery.cycleCount = 900;
    battery.designCycleCount = 1000;
    battery.designCapacity = 5000;
    battery.currectCapacity = 4500;
    return {battery, CalibrationState::calibrated, AlgorithmState::initCalibration};
}

// Snapshots one an hour, a calibration a day.
void BM_OpenCapacityView(benchmark::State& state) {
    AmpraConfiguration& configuration = loaded(int(state.range(0)), 60);
    const CalibrationData data = record();
    for (auto _ : state) {
        AMPCapacityVC view(configuration);
        view.refreshContentWithData(data);
        view.resize(440, 460);
        // Lays out and draws the chart and the table as showing the view would.
        view.grab();
        if (view.findChild<QTableView*>()->model()->rowCount() != 100)
            state.SkipWithError("the history is not the newest 100 snapshots");
        const size_t points = view.findChild<CapacityChart*>()->content().points.size();
        if (points < 100 || points > 2000)
            state.SkipWithError("the chart does not hold about two points a pixel column");
    }
}
BENCHMARK(BM_OpenCapacityView)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_OpenCalibrationView(benchmark::State& state) {
    AmpraConfiguration& configuration = loaded(100, int(state.range(0)));
    const CalibrationData data = record();
    const SystemDateProvider clock;
    for (auto _ : state) {
        AMPCalibrationVC view(configuration, clock);
        view.refreshContentWithData(data);
        view.resize(440, 460);
        view.findChild<QPushButton*>(QStringLiteral("showCalibHistoryButton"))->click();
        view.grab();
        if (view.findChild<QTableView*>()->model()->rowCount() != 100)
            state.SkipWithError("the history is not the newest 100 calibrations");
    }
}
BENCHMARK(BM_OpenCalibrationView)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
