#pragma once

#include "BatteryTimeEstimator.h"
#include "PowerSupplyUevent.h"
#include "battery/PowerSourceService.h"

#include <QSet>
#include <log4cplus/logger.h>
#include <map>
#include <vector>

// The power-source service on /sys/class/power_supply: every entry's uevent is read once per
// snapshot; batteries are the Battery entries that are not a peripheral's (scope Device) and
// not an empty slot, sorted by name.
class SysfsPowerSourceService : public PowerSourceService {
public:
    explicit SysfsPowerSourceService(QString powerSupplyFolder, BatteryTimeEstimator::Clock clock =
                                                                    &QDateTime::currentDateTimeUtc);

    QStringList copyPowerSourcesList() override;
    QVariantMap powerSourceDescription(const QString& source) override;

    // The source's uevent text as the latest snapshot read it.
    std::optional<QString> ueventText(const QString& source) const;

private:
    struct Supply {
        QString name;
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
    BatteryTimeEstimator::Clock _clock;
    std::vector<Supply> _snapshot;
    std::map<QString, BatteryTimeEstimator> _estimators;
    QSet<QByteArray> _reportedValues;
    bool _reportedUnreadableFolder = false;
    log4cplus::Logger _logger;
};
