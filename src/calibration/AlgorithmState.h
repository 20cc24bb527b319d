// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QtGlobal>
#include <optional>

// The calibration steps. The raw values are persisted and must not change.
enum class AlgorithmState : int {
    calibrationOff = 0,
    initCalibration = 1,
    charging = 2,
    fullyCharged = 3,
    disconnectAdapter = 4,
    discharging = 5,
    turnItOff = 6,
    computerOff = 7,
    afterWakeUp = 8, // nothing leads here; kept so that raw values stay stable
    calibrationDone = 9,
};

// The case name, for logs.
const char* algorithmStateName(AlgorithmState state);
// None for a number that is not a raw value, e.g. a damaged stored state.
std::optional<AlgorithmState> algorithmStateFromRawValue(qint64 rawValue);
