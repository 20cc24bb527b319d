// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QVariantMap>

// The developer override of the live reading, as the battery record sees it: while its switch
// is on, its dictionary replaces the reader's.
class BatteryDataHijackSource {
public:
    virtual ~BatteryDataHijackSource() = default;
    virtual bool enableHijaking() const = 0;
    virtual QVariantMap loadMainBatteryData() = 0;
};
