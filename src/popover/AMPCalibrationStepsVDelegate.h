// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class AMPCalibrationStepsV;

// Where the pointer is over the step strip.
class AMPCalibrationStepsVDelegate {
public:
    virtual ~AMPCalibrationStepsVDelegate() = default;

    // `index` is the tab under the pointer, 0 to 5.
    virtual void viewDetectHoverOnViewAtIndex(AMPCalibrationStepsV& view, int index) = 0;
    virtual void viewStopHovering(AMPCalibrationStepsV& view) = 0;
};
