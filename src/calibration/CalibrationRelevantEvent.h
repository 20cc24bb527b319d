// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// The system events that matter to the calibration. A run without an event passes none.
enum class CalibrationRelevantEvent : int {
    powerOff = 0,
    sleep = 1,
    wakeUp = 2,
};
