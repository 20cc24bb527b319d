// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QtGlobal>
#include <optional>

// The calibration schedule's state; the raw values are persisted and must not change.
enum class CalibrationState { off = 0, calibrated = 1, pendingCalibration = 2, postponed = 3 };

// The case name, for logs.
const char* calibrationStateName(CalibrationState state);
// None for a number that is not a raw value, e.g. a damaged stored state.
std::optional<CalibrationState> calibrationStateFromRawValue(qint64 rawValue);
