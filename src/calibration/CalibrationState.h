#pragma once

#include <optional>

// The calibration schedule's state; the raw values are persisted.
enum class CalibrationState { off = 0, calibrated = 1, pendingCalibration = 2, postponed = 3 };

inline std::optional<CalibrationState> calibrationStateFromRaw(long long raw) {
    if (raw < 0 || raw > 3)
        return std::nullopt;
    return static_cast<CalibrationState>(raw);
}
