// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <cstdint>

// Every tunable value of the system: the user's settings and the fixed calibration constants.
class PreferenceProvider {
public:
    virtual ~PreferenceProvider() = default;

    virtual double timeBetweenCalibrations() const = 0;
    virtual void setTimeBetweenCalibrations(double seconds) = 0;
    virtual double workingHoursWarningInterval() const = 0;
    virtual void setWorkingHoursWarningInterval(double seconds) = 0;
    virtual bool notifyOnPowerCordChange() const = 0;
    virtual bool notifyOnSelectedCharge() const = 0;
    virtual uint64_t notificationCharge() const = 0;
    virtual bool remindToUnplug() const = 0;
    virtual void setRemindToUnplug(bool value) = 0;
    virtual bool useVerticalIcons() const = 0;
    virtual void setUseVerticalIcons(bool value) = 0;
    virtual bool showIcon() const = 0;
    virtual void setShowIcon(bool value) = 0;
    virtual bool showTime() const = 0;
    virtual void setShowTime(bool value) = 0;
    virtual bool showPercentage() const = 0;
    virtual void setShowPercentage(bool value) = 0;
    virtual bool useColoredStatusBarIcon() const = 0;
    virtual void setUseColoredStatusBarIcon(bool value) = 0;
    virtual bool showPercentageInIcon() const = 0;
    // Lift the firmware's charge limit for every calibration without asking.
    virtual bool liftChargeLimitForCalibrations() const = 0;
    // False once the user has said whether the panel is light or dark.
    virtual bool panelAppearanceIsAutomatic() const = 0;

    virtual uint64_t chargePercentageForComputerOff() const = 0;
    virtual uint64_t chargePercentageAfterComputerOff() const = 0;
    virtual double minimumTimeInComputerOff() const = 0;
    virtual double minimumTimeInFullyCharged() const = 0;
    virtual double minimumTimeInCalibrationDone() const = 0;
    virtual uint64_t minimumBatteryChargeTobeConsideredUnplug() const = 0;
    virtual double postponedCalibationInterval() const = 0;
    virtual void setPostponedCalibationInterval(double seconds) = 0;
    virtual uint64_t notificationMinimumCharge() const = 0;
};
