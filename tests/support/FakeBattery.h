#pragma once

#include "battery/BatteryDataProvider.h"

#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>

// A laptop battery whose readings a test sets, served to a real reader the way Linux serves
// them: the power-source description and the battery's uevent (capacities in µAh).
class FakeBattery {
public:
    static inline const QString kName = "BAT0";

    unsigned charge = 50;
    bool onMains = false;
    bool isCharging = false;
    bool isCharged = false;
    // Minutes; the service's −1 means "still estimating".
    qint64 timeToEmpty = 0;
    qint64 timeToFull = 0;
    qint64 cycleCount = 100;
    qint64 chargeFull = 4500000;
    qint64 chargeFullDesign = 5000000;

    // Sets the usual readings of a battery on mains or on battery at `percent`.
    void set(bool mains, unsigned percent) {
        onMains = mains;
        charge = percent;
        isCharged = mains && percent >= 100;
        isCharging = mains && !isCharged;
    }

    QVariantMap description() const {
        return {{"Current Capacity", int(charge)},
                {"Is Charging", isCharging},
                {"Is Charged", isCharged},
                {"Power Source State", onMains ? "AC Power" : "Battery Power"},
                {"Time to Empty", int(timeToEmpty)},
                {"Time to Full Charge", int(timeToFull)}};
    }
    QString uevent() const {
        return QString("POWER_SUPPLY_NAME=%1\nPOWER_SUPPLY_STATUS=%2\nPOWER_SUPPLY_PRESENT=1\n"
                       "POWER_SUPPLY_CYCLE_COUNT=%3\nPOWER_SUPPLY_CHARGE_FULL_DESIGN=%4\n"
                       "POWER_SUPPLY_CHARGE_FULL=%5\nPOWER_SUPPLY_CAPACITY=%6\n")
            .arg(kName, isCharged    ? "Full"
                        : isCharging ? "Charging"
                                     : "Discharging")
            .arg(cycleCount)
            .arg(chargeFullDesign)
            .arg(chargeFull)
            .arg(charge);
    }

    // A reader on this battery; its change notices arrive through notifyChange().
    std::unique_ptr<BatteryDataProvider> makeReader() {
        return std::make_unique<BatteryDataProvider>(std::make_unique<PowerSource>(*this),
                                                     std::make_unique<Registry>(*this),
                                                     std::make_unique<ChangeNotifier>(*this));
    }
    // The system reports a change, as on plugging or unplugging: the reader's callback runs.
    void notifyChange() const {
        if (_changed)
            _changed();
    }

private:
    class PowerSource : public PowerSourceService {
    public:
        explicit PowerSource(const FakeBattery& battery) : _battery(battery) {}
        QStringList copyPowerSourcesList() override { return {kName}; }
        QVariantMap powerSourceDescription(const QString&) override {
            return _battery.description();
        }

    private:
        const FakeBattery& _battery;
    };

    class Registry : public RegistryDump {
    public:
        explicit Registry(const FakeBattery& battery) : _battery(battery) {}
        Format format() const override { return Format::uevent; }
        std::optional<QString> branchText(const QString& branch) override {
            return branch == kName ? std::optional(_battery.uevent()) : std::nullopt;
        }

    private:
        const FakeBattery& _battery;
    };

    // One reader at a time listens to the battery.
    class ChangeNotifier : public PowerSourceChangeNotifier {
    public:
        explicit ChangeNotifier(FakeBattery& battery) : _battery(battery) {}
        ~ChangeNotifier() override { _battery._changed = nullptr; }
        void attach(std::function<void()> callback) override {
            _battery._changed = std::move(callback);
        }

    private:
        FakeBattery& _battery;
    };

    std::function<void()> _changed;
};
