// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <memory>

class PreferenceProvider;
class StatePersistence;
class LocalizationProvider;
class ManagedObjectContext;
class VersionSupport;

// The bundle of services handed to every engine object and view instead of globals.
class GlobalConfigurationProvider {
public:
    virtual ~GlobalConfigurationProvider() = default;

    virtual PreferenceProvider& preferences() const = 0;
    virtual StatePersistence& statePersistence() const = 0;
    virtual void setStatePersistence(std::unique_ptr<StatePersistence> statePersistence) = 0;
    virtual LocalizationProvider& localization() const = 0;
    // The data store's context, opened on first use; none when the store cannot be opened.
    virtual ManagedObjectContext* context() const = 0;
    // None in a configuration made without the application around it.
    virtual VersionSupport* versionSupport() const = 0;
};
