// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "CalibrationStep.h"

class AMPStepsVC;

// The step strip asks for the page of a step.
class AMPStepsVCDelegate {
public:
    virtual ~AMPStepsVCDelegate() = default;

    // The calibration moved to `step`: its page, unless the user is browsing the strip.
    virtual void stepsControllerDidSelectStep(AMPStepsVC& controller, CalibrationStep step) = 0;
    // The user points at `step`: its page in any case.
    virtual void stepsControllerDidHoverStep(AMPStepsVC& controller, CalibrationStep step) = 0;
};
