// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusBarContent.h"
#include "StatusItemClick.h"
#include "calibration/CalibrationData.h"

#include <QObject>
#include <log4cplus/logger.h>

class AppearanceProvider;
class BatteryData;
class GlobalConfigurationProvider;
class StatusBarCDelegate;
class StatusItemHost;

// The status item: a battery icon and a short text with the charge and the time left.
class StatusBarC : public QObject {
    Q_OBJECT

public:
    // `statusItem` is absent when the desktop has no tray; neither it nor `appearance` is owned.
    // The item is drawn again at once when the appearance changes.
    StatusBarC(GlobalConfigurationProvider& configuration, StatusItemHost* statusItem,
               const AppearanceProvider& appearance);
    ~StatusBarC() override;

    StatusItemHost* statusItem() const { return _statusItem; }
    void setState(bool highlighted);
    void toolbarClick(const StatusItemClick& click, Qt::KeyboardModifiers modifiers);
    void refreshContentWithData(const CalibrationData& data);

    // The content for a record under the current preferences and appearance.
    StatusBarContent contentForData(const CalibrationData& data) const;
    static QString title(const BatteryData& batteryData, bool showTime, bool showPercentage);
    static QString durationText(uint64_t minutes);

    StatusBarCDelegate* delegate = nullptr; // not owned

private:
    StatusBarIcon buttonImageWithData(const BatteryData& batteryData, bool lightStyle) const;

    GlobalConfigurationProvider& _configuration;
    StatusItemHost* _statusItem;
    const AppearanceProvider& _appearance;
    log4cplus::Logger _logger;
    std::optional<CalibrationData> _shownData;
};
