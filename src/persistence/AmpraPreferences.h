// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "PreferenceProvider.h"
#include "Setting.h"

#include <QHash>
#include <QList>
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

    double timeBetweenCalibrations() const override { return number(kNextCalibrationInterval); }
    void setTimeBetweenCalibrations(double seconds) override {
        setNumber(kNextCalibrationInterval, seconds);
    }
    double workingHoursWarningInterval() const override {
        return number(kWorkingHoursWarningInterval);
    }
    void setWorkingHoursWarningInterval(double seconds) override {
        setNumber(kWorkingHoursWarningInterval, seconds);
    }
    bool notifyOnPowerCordChange() const override { return flag(kNotifyOnPowerCord); }
    bool notifyOnSelectedCharge() const override { return flag(kNotifyOnSelectedCharge); }
    uint64_t notificationCharge() const override { return uint64_t(number(kNotificationCharge)); }
    bool remindToUnplug() const override { return flag(kRemaindToUnplug); }
    void setRemindToUnplug(bool value) override { setFlag(kRemaindToUnplug, value); }
    bool useVerticalIcons() const override { return flag(kUseVerticalIcon); }
    void setUseVerticalIcons(bool value) override { setFlag(kUseVerticalIcon, value); }
    bool showIcon() const override { return flag(kShowIcon); }
    void setShowIcon(bool value) override { setFlag(kShowIcon, value); }
    bool showTime() const override { return flag(kShowTime); }
    void setShowTime(bool value) override { setFlag(kShowTime, value); }
    bool showPercentage() const override { return flag(kShowPercentage); }
    void setShowPercentage(bool value) override { setFlag(kShowPercentage, value); }
    bool useColoredStatusBarIcon() const override { return flag(kUseColoredStatusBarIcon); }
    void setUseColoredStatusBarIcon(bool value) override {
        setFlag(kUseColoredStatusBarIcon, value);
    }
    bool showPercentageInIcon() const override { return flag(kShowPercentageInIcon); }
    bool liftChargeLimitForCalibrations() const override {
        return flag(kLiftChargeLimitForCalibrations);
    }
    bool panelAppearanceIsAutomatic() const override;
    bool startAtLogin() const { return flag(kStartAtLogin); }

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
    // The user's settings: every key above, with its default and range.
    static const QList<Setting>& settings();
    bool flag(const QString& key) const;
    void setFlag(const QString& key, bool value);
    // The stored number under `key`, truncated and clamped to its row's range; a value out of
    // range is logged once.
    double number(const QString& key) const;
    // Numbers are stored whole; a value that has no such form is not stored.
    void setNumber(const QString& key, double value);

    SettingsStore& _store;
    log4cplus::Logger _logger;
    // The last out-of-range value logged for each key, as text (NaN included).
    mutable QHash<QString, QString> _loggedOutOfRange;
};
