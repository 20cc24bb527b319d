// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ManagedObjectContext.h"

#include "PersistentStoreCoordinator.h"
#include "StoreError.h"
#include "StoreRow.h"

#include <algorithm>

ManagedObjectContext::ManagedObjectContext(PersistentStoreCoordinator& coordinator)
    : _coordinator(coordinator) {}

const QString& ManagedObjectContext::storePath() const {
    return _coordinator.path();
}

bool ManagedObjectContext::hasChanges() const {
    return !_insertedObjects.empty();
}

bool ManagedObjectContext::save(StoreError* error) {
    if (_insertedObjects.empty())
        return true;
    if (!_coordinator.insert(_insertedObjects, error))
        return false;
    _insertedObjects.clear();
    _newestSaved.clear();
    return true;
}

std::optional<std::vector<ManagedObject>>
ManagedObjectContext::fetchNewest(const QString& entityName, int fetchLimit,
                                  StoreError* error) const {
    const auto kept = _newestSaved.find(entityName);
    auto stored = fetchLimit == 1 && kept != _newestSaved.end()
                      ? std::optional(kept->second)
                      : _coordinator.fetchNewest(entityName, fetchLimit, error);
    if (!stored)
        return std::nullopt;
    if (fetchLimit == 1)
        _newestSaved.insert_or_assign(entityName, *stored);

    // Unsaved records count as newer than saved ones with the same date: newest insert first.
    std::vector<std::shared_ptr<StoreRow>> rows;
    std::copy_if(_insertedObjects.rbegin(), _insertedObjects.rend(), std::back_inserter(rows),
                 [&](const auto& row) { return row->entityName == entityName; });
    if (!rows.empty()) {
        rows.insert(rows.end(), stored->begin(), stored->end());
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a->date && (!b->date || *a->date > *b->date);
        });
        if (fetchLimit > 0 && rows.size() > size_t(fetchLimit))
            rows.resize(fetchLimit);
    } else {
        rows = std::move(*stored);
    }
    return objects(std::move(rows));
}

std::optional<std::vector<ManagedObject>>
ManagedObjectContext::fetchCapacityExtremes(int columns, StoreError* error) const {
    auto rows = _coordinator.fetchCapacityExtremes(columns, error);
    if (!rows)
        return std::nullopt;
    return objects(std::move(*rows));
}

std::vector<ManagedObject>
ManagedObjectContext::objects(std::vector<std::shared_ptr<StoreRow>> rows) {
    std::vector<ManagedObject> objects;
    objects.reserve(rows.size());
    for (auto& row : rows)
        objects.push_back(ManagedObject(std::move(row)));
    return objects;
}

void ManagedObjectContext::insert(std::shared_ptr<StoreRow> row) {
    _insertedObjects.push_back(std::move(row));
}
