// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// The position in the six-step calibration guide; `stepUndefined` only before the first record.
enum class CalibrationStep {
    noStep = 0,
    step1 = 1,
    step2 = 2,
    step3 = 3,
    step4 = 4,
    step5 = 5,
    step6 = 6,
    stepUndefined = 99,
};
