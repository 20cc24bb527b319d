// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/BatteryDataProvider.h"
#include "calibration/ChargeLimitControl.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A laptop battery whose readings a test sets, served to a real reader the way Linux serves
// them: the power-source description and the battery's uevent (capacities in µAh).
class FakeBattery {
public:
    bool present = true; // false: the system lists no power source
    unsigned charge = 50;
    bool onMains = false;
    bool isCharging = false;
    bool isCharged = false;
    qint64 cycleCount = 100;
    qint64 chargeFull = 4500000;
    qint64 chargeFullDesign = 5000000;
    int chargeLimit = 100; // where the firmware stops charging while the limit is on
    bool chargeLimitEnabled = true;
    int chargeLimitSwitches = 0;

    int limit() const { return chargeLimitEnabled ? chargeLimit : 100; }
    // The usual readings on mains or on battery at `percent`; held at the limit, not charging.
    void set(bool mains, unsigned percent) {
        onMains = mains;
        charge = percent;
        isCharged = mains && percent >= 100;
        isCharging = mains && !isCharged && int(percent) < limit();
    }
    // The system's switch of the limit. It switches at once and answers at answerSwitches(); an
    // engine gone meanwhile never hears the answer.
    std::unique_ptr<ChargeLimitControl> makeChargeLimitControl() {
        return std::make_unique<LimitSwitch>(*this);
    }
    void answerSwitches() {
        for (const auto& answer : std::exchange(_answers, {}))
            answer();
    }
    // A reader on this battery; notifyChange() runs its change callback, as plugging in does.
    std::unique_ptr<BatteryDataProvider> makeReader() {
        return std::make_unique<BatteryDataProvider>(std::make_unique<Port>(*this),
                                                     std::make_unique<Port>(*this),
                                                     std::make_unique<Port>(*this));
    }
    void notifyChange() const {
        if (_changed)
            _changed();
    }

private:
    // The reader takes each service separately; one class serves as any of them.
    class Port : public PowerSourceService, public RegistryDump, public PowerSourceChangeNotifier {
    public:
        explicit Port(FakeBattery& battery) : _battery(battery) {}
        ~Port() override {
            if (_attached)
                _battery._changed = nullptr;
        }
        QStringList copyPowerSourcesList() override {
            return _battery.present ? QStringList{QStringLiteral("BAT0")} : QStringList();
        }
        QVariantMap powerSourceDescription(const QString&) override {
            const FakeBattery& b = _battery;
            return {{"Current Capacity", int(b.charge)},
                    {"Is Charging", b.isCharging},
                    {"Is Charged", b.isCharged},
                    {"Charge Limit", b.limit()},
                    {"Power Source State", b.onMains ? "AC Power" : "Battery Power"}};
        }
        Format format() const override { return Format::uevent; }
        // The counters as a uevent gives them.
        std::optional<Values> branchValues(const QString& branch) override {
            const FakeBattery& b = _battery;
            if (branch != QStringLiteral("BAT0"))
                return std::nullopt;
            _numbers = {std::to_string(b.cycleCount), std::to_string(b.chargeFullDesign),
                        std::to_string(b.chargeFull)};
            return Values{{"CYCLE_COUNT", _numbers[0]},
                          {"CHARGE_FULL_DESIGN", _numbers[1]},
                          {"CHARGE_FULL", _numbers[2]}};
        }
        void attach(std::function<void()> callback) override {
            _attached = true;
            _battery._changed = std::move(callback);
        }

    private:
        FakeBattery& _battery;
        std::array<std::string, 3> _numbers;
        bool _attached = false;
    };

    class LimitSwitch : public ChargeLimitControl {
    public:
        explicit LimitSwitch(FakeBattery& battery) : _battery(battery) {}
        ~LimitSwitch() override { _battery._answers.clear(); }
        bool isSupported() const override { return _battery.chargeLimit < 100; }
        bool isEnabled() const override { return _battery.chargeLimitEnabled; }
        uint64_t startThreshold() const override { return uint64_t(_battery.chargeLimit) - 5; }
        uint64_t endThreshold() const override { return uint64_t(_battery.chargeLimit); }
        void enable(bool enabled, std::function<void(bool)> done) override {
            _battery.chargeLimitEnabled = enabled;
            ++_battery.chargeLimitSwitches;
            _battery._answers.push_back([done = std::move(done)] { done(true); });
        }
        // The answer's update shows the change.
        void attach(std::function<void()>) override {}

    private:
        FakeBattery& _battery;
    };

    std::function<void()> _changed;
    std::vector<std::function<void()>> _answers;
};
