// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

class ManagedObjectContext;
struct StoreRow;

// A record of the data store: a handle on values shared with its context. A record is written
// once: its attributes can be set until it is saved, and a saved record keeps its values.
class ManagedObject {
public:
    QString entityName() const;

    std::optional<QDateTime> date() const;
    void setDate(const std::optional<QDateTime>& date);
    std::optional<quint64> capacity() const;
    void setCapacity(std::optional<quint64> capacity);
    std::optional<quint64> cycleCount() const;
    void setCycleCount(std::optional<quint64> cycleCount);

protected:
    // Creates a record of the entity and inserts it into the context.
    ManagedObject(ManagedObjectContext& context, const QString& entityName);

private:
    friend class ManagedObjectContext;

    explicit ManagedObject(std::shared_ptr<StoreRow> row);
    bool isWritable(const char* attribute) const;

    std::shared_ptr<StoreRow> _row;
};
