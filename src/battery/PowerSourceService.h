// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The system's power-source service. copyPowerSourcesList takes a fresh snapshot of every power
// source and lists the batteries in it, main one first; powerSourceDescription describes one of
// them, from that snapshot, with the description keys the battery record reads, or is empty when
// that battery cannot be read.
class PowerSourceService {
public:
    virtual ~PowerSourceService() = default;
    virtual QStringList copyPowerSourcesList() = 0;
    virtual QVariantMap powerSourceDescription(const QString& source) = 0;
};
