// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// Told by the power source reader that the system reported a change of power-source information.
class BatteryDataProviderDelegate {
public:
    virtual ~BatteryDataProviderDelegate() = default;
    virtual void batteryDataProviderDidNoticeUpdateOnBatteryData() = 0;
};
