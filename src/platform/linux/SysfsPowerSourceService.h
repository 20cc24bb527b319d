// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "BatteryTimeEstimator.h"
#include "PowerSupplyUevent.h"
#include "battery/PowerSourceService.h"

#include <QSet>
#include <log4cplus/logger.h>
#include <map>
#include <vector>

class DateProvider;

// The power-source service on /sys/class/power_supply. Batteries are the Battery entries that
// are not a peripheral's (scope Device) and not an empty bay (PRESENT 0), sorted by name. Each
// snapshot reads every entry's type and scope, and the uevent of the batteries and the mains
// supplies only, once.
class SysfsPowerSourceService : public PowerSourceService {
public:
    SysfsPowerSourceService(QString powerSupplyFolder, const DateProvider& dateProvider);

    QStringList copyPowerSourcesList() override;
    // Empty for a battery whose uevent cannot be read.
    QVariantMap powerSourceDescription(const QString& source) override;

    // The source's uevent text as the latest snapshot read it.
    std::optional<QString> ueventText(const QString& source) const;

private:
    // A readable battery, or a mains supply (type Mains or USB).
    struct Supply {
        QString name;
        bool isBattery;
        PowerSupplyUevent uevent;
    };

    const Supply* find(const QString& name) const;
    std::optional<qint64> number(const Supply& supply, std::string_view key);
    std::optional<qint64> amount(const Supply& supply, std::string_view key);
    std::optional<double> fraction(const Supply& supply, std::string_view part,
                                   std::string_view whole);
    std::optional<qint64> chargePercentage(const Supply& battery);
    QString powerSourceState(const QString& status);
    std::optional<QString> health(const Supply& battery);
    BatteryTimeEstimator::Reading timeReading(const Supply& battery, const QString& status,
                                              bool onMains, std::optional<qint64> charge);

    QString _folder;
    const DateProvider& _dateProvider;
    std::vector<Supply> _snapshot;
    std::map<QString, BatteryTimeEstimator> _estimators;
    QSet<QByteArray> _reportedValues;
    bool _reportedUnreadableFolder = false;
    log4cplus::Logger _logger;
};
