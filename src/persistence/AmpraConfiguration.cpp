// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AmpraConfiguration.h"

#include "AmpraLocalization.h"
#include "AmpraPreferences.h"
#include "AmpraStatePersistence.h"
#include "AppPersistance.h"
#include "SettingsStore.h"

AmpraConfiguration::AmpraConfiguration(SettingsStore& store)
    : _preferences(std::make_unique<AmpraPreferences>(store))
    , _statePersistence(std::make_unique<AmpraStatePersistence>(store))
    , _localization(std::make_unique<AmpraLocalization>()) {}

AmpraConfiguration::AmpraConfiguration() : AmpraConfiguration(SettingsStore::standard()) {}

AmpraConfiguration::~AmpraConfiguration() = default;

PreferenceProvider& AmpraConfiguration::preferences() const {
    return *_preferences;
}

StatePersistence& AmpraConfiguration::statePersistence() const {
    return *_statePersistence;
}

void AmpraConfiguration::setStatePersistence(std::unique_ptr<StatePersistence> statePersistence) {
    _statePersistence = std::move(statePersistence);
}

LocalizationProvider& AmpraConfiguration::localization() const {
    return *_localization;
}

ManagedObjectContext* AmpraConfiguration::context() const {
    return _dataStore ? _dataStore->managedObjectContext() : nullptr;
}

void AmpraConfiguration::setDataStore(AppPersistance* dataStore) {
    _dataStore = dataStore;
}
