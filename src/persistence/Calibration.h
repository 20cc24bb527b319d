// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ManagedObject.h"

// A completed calibration: when, and the battery's capacity and cycle count at that moment.
class Calibration : public ManagedObject {
public:
    inline static const QString kEntityName = QStringLiteral("Calibration");

    explicit Calibration(ManagedObjectContext& context) : ManagedObject(context, kEntityName) {}
};
