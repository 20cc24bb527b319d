// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "calibration/ChargeLimitControl.h"

#include <QDBusConnection>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QVariantMap>

class DBusPropertiesProxy;
class QDBusPendingCallWatcher;
class UPowerDeviceProxy;

// The battery's charge limit through UPower on the system bus, whose switch came with UPower
// 1.90. The battery is UPower's laptop battery with the first native path, the one sysfs reads
// first too. Without UPower, without the switch, or without a laptop battery, that is logged once
// and the limit counts as not switchable; a refusal is logged with UPower's reason.
class UPowerChargeLimitControl : public QObject, public ChargeLimitControl {
    Q_OBJECT

public:
    static constexpr const char* kService = "org.freedesktop.UPower";
    static constexpr const char* kPath = "/org/freedesktop/UPower";
    static constexpr const char* kDevice = "org.freedesktop.UPower.Device";

    explicit UPowerChargeLimitControl(const QDBusConnection& bus = QDBusConnection::systemBus(),
                                      QObject* parent = nullptr);
    // Waits for a switch under way, so that its result is told before Ampra quits.
    ~UPowerChargeLimitControl() override;

    bool isSupported() const override;
    bool isEnabled() const override;
    uint64_t startThreshold() const override;
    uint64_t endThreshold() const override;
    void enable(bool enabled, std::function<void(bool done)> done) override;
    void attach(std::function<void()> callback) override;

private:
    struct Device {
        DBusPropertiesProxy* properties = nullptr;
        QVariantMap values;
        bool read = false;
    };

    void listDevices();
    void readDevice(const QString& path);
    void chooseBattery();
    QVariant batteryValue(const char* name, const QVariant& fallback = {}) const;
    void switched(QDBusPendingCallWatcher* call, bool enabled,
                  const std::function<void(bool)>& done);
    void unavailable(const QString& reason);
    void notify() const;

    QDBusConnection _bus;
    // Every device until the battery is chosen, then the battery alone.
    QMap<QString, Device> _devices;
    UPowerDeviceProxy* _battery = nullptr;
    bool _switchMissing = false;
    QSet<QDBusPendingCallWatcher*> _switching;
    bool _unavailableLogged = false;
    std::function<void()> _changed;
};
