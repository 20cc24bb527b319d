// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "FakeBattery.h"
#include "ManualTimerProvider.h"
#include "battery/BatteryData.h"
#include "calibration/BatteryManager.h"
#include "calibration/CalibrationAlgorithm.h"
#include "calibration/CalibrationControl.h"
#include "calibration/SystemPowerEvents.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"

#include <QDir>
#include <memory>
#include <vector>

// The engine as the application assembles it, on the settings file and the data store in
// `folder`, with a manual timer and the system events the test sends to the listener. A second one
// on the same folder is a restart of the application.
class TestEngine : public SystemPowerEvents {
public:
    TestEngine(const QString& folder, FakeBattery& battery, const DateProvider& clock,
               BatteryManagerDelegate* delegate = nullptr,
               std::unique_ptr<ChargeLimitControl> chargeLimit = nullptr)
        : settings(QDir(folder).filePath(QStringLiteral("settings.json")))
        , configuration(settings)
        , dataStore(&configuration, folder) {
        configuration.setDataStore(&dataStore);
        auto timerProvider = std::make_unique<ManualTimerProvider>();
        timer = timerProvider.get();
        manager = std::make_unique<BatteryManager>(
            std::make_unique<BatteryData>(battery.makeReader()),
            std::make_unique<CalibrationAlgorithm>(configuration.preferences(), clock),
            std::move(timerProvider), this,
            std::make_unique<CalibrationControl>(configuration, clock), configuration, clock,
            std::move(chargeLimit));
        manager->delegate = delegate;
    }
    // The manager unsubscribes while it goes.
    ~TestEngine() override { manager.reset(); }

    void subscribe(SystemPowerEventsListener& subscriber) override {
        ++subscriptions;
        listener = &subscriber;
    }
    void unsubscribe(SystemPowerEventsListener&) override { listener = nullptr; }
    // Every stored record of the entity, newest first.
    std::vector<ManagedObject> stored(const QString& entityName) {
        return configuration.context()
            ->fetchNewest(entityName, 0)
            .value_or(std::vector<ManagedObject>());
    }

    SettingsStore settings;
    AmpraConfiguration configuration;
    AppPersistance dataStore;
    int subscriptions = 0;
    // Hears the system's sleep, wake and power-off; none while nothing is subscribed.
    SystemPowerEventsListener* listener = nullptr;
    ManualTimerProvider* timer = nullptr; // owned by the manager
    std::unique_ptr<BatteryManager> manager;
};
