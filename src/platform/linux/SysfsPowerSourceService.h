// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "BatteryTimeEstimator.h"
#include "PowerSupplyUevent.h"
#include "battery/PowerSourceService.h"

#include <QSet>
#include <QTimer>
#include <log4cplus/logger.h>
#include <map>
#include <memory>
#include <vector>

class DateProvider;

// The power-source service on /sys/class/power_supply. Batteries are the Battery entries that
// are not a peripheral's (scope Device) and not an empty bay (PRESENT 0), sorted by name. The
// list of supplies comes from every entry's type and scope; each snapshot reads the uevent of
// the batteries and the mains supplies on it, once.
class SysfsPowerSourceService : public PowerSourceService {
public:
    SysfsPowerSourceService(QString powerSupplyFolder, const DateProvider& dateProvider);

    // Keeps the list of supplies from one snapshot to the next, for as long as something calls
    // supplyListChanged() when a supply comes or goes. A kept supply that cannot be read has the
    // folder listed again.
    void keepSupplyList() { _keepsSupplyList = true; }
    void supplyListChanged() { _supplies.reset(); }
    // Samples a discharging battery once between snapshots, on a timer of the calling thread
    // restarted by each snapshot, so that its time to empty rests on more than one reading a
    // minute without a wake-up of its own beside the update's.
    void sampleWhileDischarging();

    QStringList copyPowerSourcesList() override;
    // Empty for a battery whose uevent cannot be read.
    QVariantMap powerSourceDescription(const QString& source) override;

    // The source's uevent values as the latest snapshot parsed them; valid until the next one.
    std::optional<PowerSupplyUevent::Values> ueventValues(const QString& source) const;

private:
    // A battery or a mains supply (type Mains or USB) that is not a peripheral's.
    struct Entry {
        QString name;
        bool isBattery;
    };
    // A readable battery, or a mains supply.
    struct Supply {
        QString name;
        bool isBattery;
        PowerSupplyUevent uevent;
        // Read with the snapshot: the estimator's samples in between take it from there.
        std::optional<qint64> chargeLimit = std::nullopt;
    };

    void sampleBattery();
    std::vector<Entry> listSupplies();
    // None when a kept entry cannot be read.
    std::optional<QStringList> readSupplies(bool freshList);
    const Supply* find(const QString& name) const;
    std::optional<qint64> number(const Supply& supply, std::string_view key);
    std::optional<qint64> parsed(const Supply& supply, std::string_view key,
                                 std::string_view value);
    std::optional<qint64> amount(const Supply& supply, std::string_view key);
    double voltage(const Supply& battery);
    std::optional<double> fraction(const Supply& supply, std::string_view part,
                                   std::string_view whole);
    std::optional<qint64> chargePercentage(const Supply& battery);
    QString powerSourceState(const QString& status);
    std::optional<qint64> chargeLimit(const Supply& battery);
    std::optional<QString> health(const Supply& battery);
    BatteryTimeEstimator::Reading timeReading(const Supply& battery, const QString& status,
                                              bool onMains, std::optional<qint64> charge);

    QString _folder;
    const DateProvider& _dateProvider;
    bool _keepsSupplyList = false;
    std::optional<std::vector<Entry>> _supplies;
    std::vector<Supply> _snapshot;
    std::map<QString, BatteryTimeEstimator> _estimators;
    std::unique_ptr<QTimer> _sampler;
    QString _sampledBattery;
    bool _sampledOnMains = false;
    QSet<QByteArray> _reportedValues;
    bool _reportedUnreadableFolder = false;
    log4cplus::Logger _logger;
};
