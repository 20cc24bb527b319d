#pragma once

#include "GlobalConfigurationProvider.h"

#include <memory>

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

private:
    std::unique_ptr<PreferenceProvider> _preferences;
    std::unique_ptr<StatePersistence> _statePersistence;
    std::unique_ptr<LocalizationProvider> _localization;
};
