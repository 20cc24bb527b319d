// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class AMPSummaryMasterVC;

// What the summary asks of the application.
class AMPSummaryMasterVCDelegate {
public:
    virtual ~AMPSummaryMasterVCDelegate() = default;

    virtual void viewControllerRequestForPreferencesWindow(AMPSummaryMasterVC& controller) = 0;
    virtual void viewControllerRequestPostponeCalibration(AMPSummaryMasterVC& controller) = 0;
    // The user agreed to lift the charge limit for the calibration under way.
    virtual void viewControllerRequestChargeLimitLift(AMPSummaryMasterVC& controller) = 0;
    virtual void viewControllerRequestForTutorialWindow(AMPSummaryMasterVC& controller) = 0;
};
