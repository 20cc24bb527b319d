// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "BatteryDataHijackSource.h"
#include "BatteryDataProviderDelegate.h"
#include "BatteryHealthType.h"
#include "PowerSourceType.h"

#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class BatteryDataProvider;

// The one live battery sample, refreshed in place. A record built without a reader is a
// placeholder that never changes.
class BatteryData : public BatteryDataProviderDelegate {
public:
    BatteryData();
    // Becomes the reader's delegate.
    explicit BatteryData(std::unique_ptr<BatteryDataProvider> dataSource);
    ~BatteryData() override;
    BatteryData(const BatteryData&) = delete;
    BatteryData& operator=(const BatteryData&) = delete;

    // Reads the reader's dictionary once and maps it into the fields; a reading that yields
    // nothing leaves them as they are.
    void refreshBasicBatteryData();
    // Passes the reader's change notice on to updateCallback; does not refresh.
    void batteryDataProviderDidNoticeUpdateOnBatteryData() override;
    QString description() const;
    // On mains, short of full, and not charging, or charging at the limit: the firmware holds
    // the charge where it is, so no time to full applies.
    bool isHeldAtChargeLimit() const;

    // The latest reading listed no power source, and no override stood in for one.
    bool noBattery = false;
    std::unique_ptr<BatteryDataProvider> dataSource;
    bool isCharging = false;
    bool isFinishCharging = false;
    bool isCharged = false;
    uint64_t currentChargePercentage = 0;
    PowerSourceType powerSource = PowerSourceType::acPowered;
    std::optional<BatteryHealthType> batteryHealth;
    uint64_t designCycleCount = 0;
    uint64_t cycleCount = 0;
    uint64_t designCapacity = 0;
    uint64_t currectCapacity = 0;
    uint64_t timeToEmpty = 0;
    uint64_t timeToFull = 0;
    // Where the firmware stops charging; 100 when it charges to full.
    uint64_t chargeLimit = 100;
    std::function<void()> updateCallback;
    // The developer override; nothing installs one until the override window exists. While its
    // switch is on, the record has a battery whatever the reader says.
    std::unique_ptr<BatteryDataHijackSource> hijackWC;

private:
    void update(const QVariantMap& dictionary);
};
