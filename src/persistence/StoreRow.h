// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The values of one record of the data store; rowId is set once the record is saved.
struct StoreRow {
    QString entityName;
    std::optional<QDateTime> date;
    std::optional<quint64> capacity;
    std::optional<quint64> cycleCount;
    std::optional<qint64> rowId;
};
