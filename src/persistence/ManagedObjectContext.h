// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ManagedObject.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class PersistentStoreCoordinator;
struct StoreError;
struct StoreRow;

// The main-thread view of the data store: records inserted here wait in the context until
// save() writes them all in one transaction; fetches see them before that.
class ManagedObjectContext {
public:
    explicit ManagedObjectContext(PersistentStoreCoordinator& coordinator);
    ManagedObjectContext(const ManagedObjectContext&) = delete;
    ManagedObjectContext& operator=(const ManagedObjectContext&) = delete;

    bool hasChanges() const;
    const QString& storePath() const;
    // On failure nothing is written and the inserted records stay in the context.
    bool save(StoreError* error = nullptr);

    // The entity's records sorted by "date" descending (records without a date last, the most
    // recently inserted first among equal dates), at most fetchLimit of them (0: all).
    std::optional<std::vector<ManagedObject>> fetchNewest(const QString& entityName, int fetchLimit,
                                                          StoreError* error = nullptr) const;

    // The saved snapshots a capacity chart `columns` pixels wide draws, oldest first: see
    // PersistentStoreCoordinator::fetchCapacityExtremes. Records not yet saved are left out.
    std::optional<std::vector<ManagedObject>>
    fetchCapacityExtremes(int columns, StoreError* error = nullptr) const;

private:
    friend class ManagedObject;

    void insert(std::shared_ptr<StoreRow> row);
    static std::vector<ManagedObject> objects(std::vector<std::shared_ptr<StoreRow>> rows);

    PersistentStoreCoordinator& _coordinator;
    std::vector<std::shared_ptr<StoreRow>> _insertedObjects;
    // The newest saved record of each entity asked for, kept until the next save: every update
    // asks for the newest calibration, and this context is the store's only writer.
    mutable std::map<QString, std::vector<std::shared_ptr<StoreRow>>> _newestSaved;
};
