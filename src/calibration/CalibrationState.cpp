// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CalibrationState.h"

const char* calibrationStateName(CalibrationState state) {
    switch (state) {
    case CalibrationState::off:
        return "off";
    case CalibrationState::calibrated:
        return "calibrated";
    case CalibrationState::pendingCalibration:
        return "pendingCalibration";
    case CalibrationState::postponed:
        return "postponed";
    }
    return "off";
}

std::optional<CalibrationState> calibrationStateFromRawValue(qint64 rawValue) {
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return static_cast<CalibrationState>(rawValue);
}
