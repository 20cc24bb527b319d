// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Opening the capacity view over years of history: its layout, the fetch of the newest snapshots
// and the first record, as a click on the capacity ring does it.

#include "StoreHistory.h"
#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCapacityVC.h"

#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1764958381, Qt::UTC);

class LoadedConfiguration {
public:
    LoadedConfiguration() {
        configuration.setDataStore(&persistance);
        if (!fillStoreHistory(*persistance.managedObjectContext(), kNow, 0))
            std::abort();
    }

    QTemporaryDir folder;
    SettingsStore settings{folder.filePath(QStringLiteral("settings.json"))};
    AmpraConfiguration configuration{settings};
    AppPersistance persistance{&configuration, folder.filePath(QStringLiteral("store"))};
};

void BM_OpenCapacityView(benchmark::State& state) {
    static LoadedConfiguration loaded;
    BatteryData battery;
    battery.cycleCount = 900;
    battery.designCycleCount = 1000;
    battery.designCapacity = 5000;
    battery.currectCapacity = 4500;
    const CalibrationData data{battery, CalibrationState::calibrated,
                               AlgorithmState::initCalibration};
    for (auto _ : state) {
        AMPCapacityVC view(loaded.configuration);
        view.refreshContentWithData(data);
        view.resize(440, 460);
        // Lay the rows out as showing the view would.
        view.findChild<QTableView*>()->grab();
        if (view.findChild<QTableView*>()->model()->rowCount() != 100)
            state.SkipWithError("the history is not the newest 100 snapshots");
    }
}
BENCHMARK(BM_OpenCapacityView)->Unit(benchmark::kMillisecond);

} // namespace
