// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ManagedObject.h"

// The battery's full-charge capacity and cycle count, taken when it became fully charged.
class BatteryStatusSnapshot : public ManagedObject {
public:
    inline static const QString kEntityName = QStringLiteral("BatteryStatusSnapshot");

    explicit BatteryStatusSnapshot(ManagedObjectContext& context)
        : ManagedObject(context, kEntityName) {}
};
