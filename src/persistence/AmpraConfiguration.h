// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "GlobalConfigurationProvider.h"

#include <memory>

class AppPersistance;
class SettingsStore;

// Owns one instance of each service; instances share state only through the stores.
class AmpraConfiguration : public GlobalConfigurationProvider {
public:
    explicit AmpraConfiguration(SettingsStore& store);
    AmpraConfiguration();
    ~AmpraConfiguration() override;

    PreferenceProvider& preferences() const override;
    StatePersistence& statePersistence() const override;
    void setStatePersistence(std::unique_ptr<StatePersistence> statePersistence) override;
    LocalizationProvider& localization() const override;
    ManagedObjectContext* context() const override;
    VersionSupport* versionSupport() const override { return _versionSupport; }

    // The application's data store, which the context comes from; not owned.
    void setDataStore(AppPersistance* dataStore);
    // The application's one update service; not owned.
    void setVersionSupport(VersionSupport* versionSupport) { _versionSupport = versionSupport; }

private:
    std::unique_ptr<PreferenceProvider> _preferences;
    std::unique_ptr<StatePersistence> _statePersistence;
    std::unique_ptr<LocalizationProvider> _localization;
    AppPersistance* _dataStore = nullptr;
    VersionSupport* _versionSupport = nullptr;
};
