// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "UdevPowerSourceMonitor.h"

#include <cstring>
#include <libudev.h>
#include <log4cplus/loggingmacros.h>
#include <unistd.h>

namespace {

bool sysattrIs(udev_device* device, const char* name, const char* value) {
    const char* actual = udev_device_get_sysattr_value(device, name);
    return actual && std::strcmp(actual, value) == 0;
}

std::unique_ptr<QTimer> singleShotTimer(std::chrono::milliseconds interval,
                                        const std::function<void()>& timeout) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setInterval(interval);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), timeout);
    return timer;
}

} // namespace

UdevPowerSourceMonitor::UdevPowerSourceMonitor(std::chrono::milliseconds coalesceDelay,
                                               std::chrono::milliseconds settleDelay)
    : _coalesceDelay(coalesceDelay)
    , _settleDelay(settleDelay)
    , _logger(log4cplus::Logger::getInstance("battery.udev")) {}

UdevPowerSourceMonitor::~UdevPowerSourceMonitor() {
    _notifier.reset();
    if (_monitor)
        udev_monitor_unref(_monitor);
    if (_udev)
        udev_unref(_udev);
}

void UdevPowerSourceMonitor::attach(std::function<void()> callback) {
    _callback = std::move(callback);
    // Without the daemon libudev quietly delivers nothing; say so, the monitor costs nothing.
    if (access("/run/udev/control", F_OK) != 0)
        LOG4CPLUS_WARN(_logger, "udev does not seem to run: power-source changes may be noticed "
                                "only by the periodic refresh");
    _udev = udev_new();
    _monitor = _udev ? udev_monitor_new_from_netlink(_udev, "udev") : nullptr;
    if (!_monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(_monitor, "power_supply", nullptr) < 0 ||
        udev_monitor_enable_receiving(_monitor) < 0) {
        LOG4CPLUS_WARN(_logger, "No udev monitor for power supplies: power-source changes are "
                                "noticed only by the periodic refresh");
        return;
    }
    _notifier =
        std::make_unique<QSocketNotifier>(udev_monitor_get_fd(_monitor), QSocketNotifier::Read);
    QObject::connect(_notifier.get(), &QSocketNotifier::activated, _notifier.get(),
                     [this] { receive(); });
    _burstTimer = singleShotTimer(_coalesceDelay, [this] { _callback(); });
    _settleTimer = singleShotTimer(_settleDelay, [this] { _callback(); });
}

// One event per wake-up: the notifier fires again while more are queued, and a second receive
// on an emptied socket could block the main thread.
void UdevPowerSourceMonitor::receive() {
    udev_device* device = udev_monitor_receive_device(_monitor);
    if (!device)
        return;
    const char* action = udev_device_get_action(device);
    if (_supplyListChanged && action &&
        (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
        _supplyListChanged();
    // A mouse or a pen reports often and never powers the machine.
    if (!sysattrIs(device, "scope", "Device")) {
        if (sysattrIs(device, "type", "Mains") || sysattrIs(device, "type", "USB"))
            _settleTimer->start();
        // Not restarted by later events, so that a steady stream still gets through.
        if (!_burstTimer->isActive())
            _burstTimer->start();
    }
    udev_device_unref(device);
}
