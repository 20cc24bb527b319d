// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceChangeNotifier.h"

#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <log4cplus/logger.h>
#include <memory>

struct udev;
struct udev_monitor;

// Power-supply change events from udev, delivered on the thread that attached the monitor.
// Peripherals' events (scope Device) are ignored, and a burst of events is reported once, at most
// `coalesceDelay` after its first event. After a mains change it reports once more a little
// later: the battery's status follows the mains event only after a few seconds.
class UdevPowerSourceMonitor : public PowerSourceChangeNotifier {
public:
    explicit UdevPowerSourceMonitor(
        std::chrono::milliseconds coalesceDelay = std::chrono::milliseconds(200),
        std::chrono::milliseconds settleDelay = std::chrono::seconds(5));
    ~UdevPowerSourceMonitor() override;
    UdevPowerSourceMonitor(const UdevPowerSourceMonitor&) = delete;
    UdevPowerSourceMonitor& operator=(const UdevPowerSourceMonitor&) = delete;

    // Without udev it logs a warning and never calls back; the periodic refresh still runs.
    void attach(std::function<void()> callback) override;
    // Called at once when a supply is added or removed; the change notice follows as usual.
    void setSupplyListHandler(std::function<void()> handler) {
        _supplyListChanged = std::move(handler);
    }
    // Whether events arrive: false before attach() and without udev.
    bool isReceiving() const { return _notifier != nullptr; }

private:
    void receive();

    std::chrono::milliseconds _coalesceDelay;
    std::chrono::milliseconds _settleDelay;
    std::function<void()> _callback;
    std::function<void()> _supplyListChanged;
    udev* _udev = nullptr;
    udev_monitor* _monitor = nullptr;
    std::unique_ptr<QSocketNotifier> _notifier;
    std::unique_ptr<QTimer> _burstTimer;
    std::unique_ptr<QTimer> _settleTimer;
    log4cplus::Logger _logger;
};
