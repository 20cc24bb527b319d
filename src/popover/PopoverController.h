// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "PopoverWindow.h"
#include "statusbar/StatusItemClick.h"

#include <QObject>
#include <QPointer>
#include <optional>

class AMPBatteryDataAwareInterface;
class AMPDetailViewFactory;
class AMPSummaryMasterVCDelegate;
class CalibrationData;
class DateProvider;
class GlobalConfigurationProvider;
class PopupPlacement;
class StatusBarC;

// Opens and closes the popover from the status item, where the platform lets it go: a fresh
// summary in a popup beside the item, fed every record until the popup closes, by a toggle, a
// click elsewhere, Escape or the focus going elsewhere. Where the platform cannot place it, or
// the item's place is unknown, the summary opens as a small window instead. The item's highlight
// follows.
class PopoverController : public QObject {
    Q_OBJECT

public:
    // `detailViews` may be none until the detail views exist.
    PopoverController(StatusBarC& statusBar, const PopupPlacement& placement,
                      GlobalConfigurationProvider& configuration, const DateProvider& dateProvider,
                      AMPSummaryMasterVCDelegate& summaryDelegate,
                      AMPDetailViewFactory* detailViews);
    ~PopoverController() override;

    // Opens the popover by the item clicked, filled at once from `lastData`; or closes it.
    void toggle(const StatusItemClick& click, const std::optional<CalibrationData>& lastData);
    // Opens the popover by the item last clicked, else where the panel usually puts items, or
    // brings it to the front; never closes it.
    void open(const std::optional<CalibrationData>& lastData);
    // Whether a tray shows the item: without one, the next opening is a window.
    void setTrayShown(bool shown);
    void close();
    void refreshContentWithData(const CalibrationData& data);

private:
    void show(const std::optional<QRect>& item, const std::optional<CalibrationData>& lastData);
    void popoverDidClose();

    StatusBarC& _statusBar;
    const PopupPlacement& _placement;
    GlobalConfigurationProvider& _configuration;
    const DateProvider& _dateProvider;
    AMPSummaryMasterVCDelegate& _summaryDelegate;
    AMPDetailViewFactory* _detailViews;
    QPointer<PopoverWindow> _window;
    AMPBatteryDataAwareInterface* _onPopOverVC = nullptr;
    std::optional<QRect> _lastItem;
    bool _trayShown = true;
};
