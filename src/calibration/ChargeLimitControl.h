// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <cstdint>
#include <functional>

// The system's switch for the firmware's charge limit. Until the service has answered, and for
// good without one, the limit counts as not switchable.
class ChargeLimitControl {
public:
    virtual ~ChargeLimitControl() = default;

    virtual bool isSupported() const = 0;
    virtual bool isEnabled() const = 0;
    // In percent.
    virtual uint64_t startThreshold() const = 0;
    virtual uint64_t endThreshold() const = 0;
    // Switches the limit on or off; `done` is told later, never within this call, whether the
    // service did it.
    virtual void enable(bool enabled, std::function<void(bool done)> done) = 0;
    // Calls back whenever the values above change.
    virtual void attach(std::function<void()> callback) = 0;
};
