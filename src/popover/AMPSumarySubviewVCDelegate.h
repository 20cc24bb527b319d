// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class AMPSumarySubviewVC;

// What a detail view asks of the summary.
class AMPSumarySubviewVCDelegate {
public:
    virtual ~AMPSumarySubviewVCDelegate() = default;

    virtual void subviewControllerRequestPostponeCalibration(AMPSumarySubviewVC& controller) = 0;
    virtual void subviewControllerRequestChargeLimitLift(AMPSumarySubviewVC& controller) = 0;
};
