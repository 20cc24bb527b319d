// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AlgorithmState.h"

#include <array>

namespace {

// Indexed by raw value.
constexpr std::array<const char*, 10> kNames = {
    "calibrationOff", "initCalibration", "charging",    "fullyCharged", "disconnectAdapter",
    "discharging",    "turnItOff",       "computerOff", "afterWakeUp",  "calibrationDone",
};

} // namespace

const char* algorithmStateName(AlgorithmState state) {
    const auto raw = std::size_t(state);
    return raw < kNames.size() ? kNames[raw] : "unknown";
}

std::optional<AlgorithmState> algorithmStateFromRawValue(qint64 rawValue) {
    if (rawValue < 0 || rawValue >= qint64(kNames.size()))
        return std::nullopt;
    return AlgorithmState(rawValue);
}
