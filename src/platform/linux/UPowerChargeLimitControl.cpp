// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "UPowerChargeLimitControl.h"

#include "DBusPropertiesProxy.h"
#include "UPowerDeviceProxy.h"
#include "UPowerProxy.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>
#include <utility>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.upower");
}

constexpr uint kBatteryType = 2;
// A quit waits for a switch under way; polkit answers at once, as no password is asked.
constexpr int kSwitchTimeout = 5000;

QString describe(const QDBusError& error) {
    return error.name() + QStringLiteral(": ") + error.message();
}

} // namespace

UPowerChargeLimitControl::UPowerChargeLimitControl(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , _bus(bus) {
    if (!_bus.isConnected()) {
        unavailable(QStringLiteral("no system bus, ") + _bus.lastError().message());
        return;
    }
    listDevices();
}

UPowerChargeLimitControl::~UPowerChargeLimitControl() {
    for (QDBusPendingCallWatcher* call : QSet(_switching))
        call->waitForFinished();
}

void UPowerChargeLimitControl::listDevices() {
    auto* upower =
        new UPowerProxy(QString::fromLatin1(kService), QString::fromLatin1(kPath), _bus, this);
    auto* call = new QDBusPendingCallWatcher(upower->EnumerateDevices(), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, upower](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                upower->deleteLater();
                const QDBusPendingReply<QList<QDBusObjectPath>> reply = *finished;
                if (reply.isError()) {
                    unavailable(QStringLiteral("no UPower, ") + describe(reply.error()));
                    return;
                }
                for (const QDBusObjectPath& path : reply.value())
                    _devices.insert(path.path(), {});
                for (auto device = _devices.begin(); device != _devices.end(); ++device)
                    readDevice(device.key());
                chooseBattery();
            });
}

// Changes are followed from before the first reading, so that none falls between the two.
void UPowerChargeLimitControl::readDevice(const QString& path) {
    auto* properties = new DBusPropertiesProxy(QString::fromLatin1(kService), path, _bus, this);
    _devices[path].properties = properties;
    connect(properties, &DBusPropertiesProxy::PropertiesChanged, this,
            [this, path](const QString& interface, const QVariantMap& changed) {
                const auto device = _devices.find(path);
                if (interface != QLatin1StringView(kDevice) || device == _devices.end())
                    return;
                device->values.insert(changed);
                if (_battery && path == _battery->path())
                    notify();
            });
    auto* call =
        new QDBusPendingCallWatcher(properties->GetAll(QString::fromLatin1(kDevice)), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, path](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *finished;
                const auto device = _devices.find(path);
                if (device == _devices.end())
                    return;
                // A device gone meanwhile is no battery to choose.
                if (!reply.isError())
                    device->values.insert(reply.value());
                device->read = true;
                chooseBattery();
            });
}

void UPowerChargeLimitControl::chooseBattery() {
    if (_battery)
        return;
    QString chosen, chosenPath;
    for (auto device = _devices.cbegin(); device != _devices.cend(); ++device) {
        if (!device->read)
            return;
        const QVariantMap& values = device->values;
        const bool laptopBattery = values.value(QStringLiteral("Type")).toUInt() == kBatteryType &&
                                   values.value(QStringLiteral("PowerSupply")).toBool();
        const QString nativePath = values.value(QStringLiteral("NativePath")).toString();
        if (laptopBattery && (chosen.isEmpty() || nativePath < chosenPath)) {
            chosen = device.key();
            chosenPath = nativePath;
        }
    }
    for (auto device = _devices.begin(); device != _devices.end();) {
        if (device.key() == chosen) {
            ++device;
            continue;
        }
        device->properties->deleteLater();
        device = _devices.erase(device);
    }
    if (chosen.isEmpty()) {
        unavailable(QStringLiteral("UPower lists no laptop battery"));
        return;
    }
    _battery = new UPowerDeviceProxy(QString::fromLatin1(kService), chosen, _bus, this);
    _battery->setTimeout(kSwitchTimeout);
    if (!batteryValue("ChargeThresholdSupported").isValid())
        unavailable(QStringLiteral("UPower before 1.90 cannot switch it"));
    else if (!isSupported())
        unavailable(QStringLiteral("UPower cannot switch it on this laptop"));
    LOG4CPLUS_INFO(logger(), "Battery " << chosenPath.toStdString() << " at "
                                        << chosen.toStdString() << ", charge limit "
                                        << (isEnabled() ? "on" : "off") << ", " << startThreshold()
                                        << "-" << endThreshold() << "%");
    notify();
}

QVariant UPowerChargeLimitControl::batteryValue(const char* name, const QVariant& fallback) const {
    if (!_battery)
        return fallback;
    return _devices.value(_battery->path()).values.value(QLatin1StringView(name), fallback);
}

bool UPowerChargeLimitControl::isSupported() const {
    return !_switchMissing && batteryValue("ChargeThresholdSupported").toBool();
}

bool UPowerChargeLimitControl::isEnabled() const {
    return batteryValue("ChargeThresholdEnabled").toBool();
}

uint64_t UPowerChargeLimitControl::startThreshold() const {
    return batteryValue("ChargeStartThreshold", 0).toULongLong();
}

uint64_t UPowerChargeLimitControl::endThreshold() const {
    return batteryValue("ChargeEndThreshold", 100).toULongLong();
}

void UPowerChargeLimitControl::enable(bool enabled, std::function<void(bool done)> done) {
    if (!isSupported()) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(false); });
        return;
    }
    auto* call = new QDBusPendingCallWatcher(_battery->EnableChargeThreshold(enabled), this);
    _switching.insert(call);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, enabled, done = std::move(done)](QDBusPendingCallWatcher* finished) {
                switched(finished, enabled, done);
            });
}

void UPowerChargeLimitControl::switched(QDBusPendingCallWatcher* call, bool enabled,
                                        const std::function<void(bool)>& done) {
    _switching.remove(call);
    call->deleteLater();
    if (!call->isError()) {
        done(true);
        return;
    }
    const QDBusError error = call->error();
    if (error.type() == QDBusError::UnknownMethod) {
        _switchMissing = true;
        unavailable(QStringLiteral("this UPower has no EnableChargeThreshold"));
    } else {
        LOG4CPLUS_WARN(logger(), "UPower did not switch the charge limit "
                                     << (enabled ? "on" : "off") << ": "
                                     << describe(error).toStdString());
    }
    done(false);
    if (_switchMissing)
        notify();
}

void UPowerChargeLimitControl::attach(std::function<void()> callback) {
    _changed = std::move(callback);
}

void UPowerChargeLimitControl::notify() const {
    if (_changed)
        _changed();
}

void UPowerChargeLimitControl::unavailable(const QString& reason) {
    if (std::exchange(_unavailableLogged, true))
        return;
    LOG4CPLUS_WARN(logger(),
                   "The charge limit is not lifted for calibrations: " << reason.toStdString());
}
