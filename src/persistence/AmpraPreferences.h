// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "PreferenceProvider.h"

#include <QHash>
#include <QString>
#include <log4cplus/logger.h>

class SettingsStore;

class AmpraPreferences : public PreferenceProvider {
public:
    inline static const QString kNextCalibrationInterval =
        QStringLiteral("NextCalibrationInterval");
    inline static const QString kWorkingHoursWarningInterval =
        QStringLiteral("WorkingHoursWarningInterval");
    inline static const QString kNotifyOnPowerCord = QStringLiteral("NotifyOnPowerCord");
    inline static const QString kNotifyOnSelectedCharge = QStringLiteral("NotifyOnSelectedCharge");
    inline static const QString kNotificationCharge = QStringLiteral("NotificationCharge");
    inline static const QString kRemaindToUnplug = QStringLiteral("RemaindToUnplug");
    inline static const QString kStartAtLogin = QStringLiteral("StartAtLogin");
    inline static const QString kAutomaticallyCheckForUpdates =
        QStringLiteral("AutomaticallyCheckForUpdates");
    inline static const QString kUseVerticalIcon = QStringLiteral("UseVerticalIcon");
    inline static const QString kShowIcon = QStringLiteral("ShowIcon");
    inline static const QString kShowTime = QStringLiteral("ShowTime");
    inline static const QString kShowPercentage = QStringLiteral("ShowPercentage");
    inline static const QString kUseColoredStatusBarIcon =
        QStringLiteral("UseColoredStatusBarIcon");
    // The charge drawn inside the icon, for panels that show no label beside it.
    inline static const QString kShowPercentageInIcon = QStringLiteral("ShowPercentageInIcon");
    // "automatic", or "light" or "dark" for a panel whose colour Ampra cannot tell.
    inline static const QString kPanelAppearance = QStringLiteral("PanelAppearance");
    inline static const QString kLiftChargeLimitForCalibrations =
        QStringLiteral("LiftChargeLimitForCalibrations");

    explicit AmpraPreferences(SettingsStore& store);

    void registerDefaults();

    double timeBetweenCalibrations() const override;
    void setTimeBetweenCalibrations(double seconds) override;
    double workingHoursWarningInterval() const override;
    void setWorkingHoursWarningInterval(double seconds) override;
    bool notifyOnPowerCordChange() const override;
    bool notifyOnSelectedCharge() const override;
    uint64_t notificationCharge() const override;
    bool remindToUnplug() const override;
    void setRemindToUnplug(bool value) override;
    bool useVerticalIcons() const override;
    void setUseVerticalIcons(bool value) override;
    bool showIcon() const override;
    void setShowIcon(bool value) override;
    bool showTime() const override;
    void setShowTime(bool value) override;
    bool showPercentage() const override;
    void setShowPercentage(bool value) override;
    bool useColoredStatusBarIcon() const override;
    void setUseColoredStatusBarIcon(bool value) override;
    bool showPercentageInIcon() const override;
    bool liftChargeLimitForCalibrations() const override;
    bool panelAppearanceIsAutomatic() const override;
    bool startAtLogin() const;

    uint64_t chargePercentageForComputerOff() const override { return 10; }
    uint64_t chargePercentageAfterComputerOff() const override { return 15; }
    double minimumTimeInComputerOff() const override { return 18000; }
    double minimumTimeInFullyCharged() const override { return 7200; }
    double minimumTimeInCalibrationDone() const override { return 86400; }
    uint64_t minimumBatteryChargeTobeConsideredUnplug() const override { return 80; }
    double postponedCalibationInterval() const override { return 604800; }
    // The interval is fixed; the setter exists only because the interface has one.
    void setPostponedCalibationInterval(double) override {}
    uint64_t notificationMinimumCharge() const override { return 5; }

private:
    // The stored number under `key`, truncated and clamped to [low, high]; a value out of range
    // is logged once.
    double inRange(const QString& key, double low, double high) const;

    SettingsStore& _store;
    log4cplus::Logger _logger;
    // The last out-of-range value logged for each key, as text (NaN included).
    mutable QHash<QString, QString> _loggedOutOfRange;
};
