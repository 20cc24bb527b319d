// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverController.h"

#include "AMPSummaryMasterVC.h"
#include "PopupPlacement.h"
#include "statusbar/StatusBarC.h"

PopoverController::PopoverController(StatusBarC& statusBar, const PopupPlacement& placement,
                                     GlobalConfigurationProvider& configuration,
                                     const DateProvider& dateProvider,
                                     AMPSummaryMasterVCDelegate& summaryDelegate,
                                     AMPDetailViewFactory* detailViews)
    : _statusBar(statusBar)
    , _placement(placement)
    , _configuration(configuration)
    , _dateProvider(dateProvider)
    , _summaryDelegate(summaryDelegate)
    , _detailViews(detailViews) {}

PopoverController::~PopoverController() {
    if (_window)
        disconnect(_window, nullptr, this, nullptr);
    delete _window;
}

void PopoverController::toggle(const StatusItemClick& click,
                               const std::optional<CalibrationData>& lastData) {
    if (_window)
        close();
    else
        show(click, lastData);
}

void PopoverController::show(const StatusItemClick& click,
                             const std::optional<CalibrationData>& lastData) {
    _summary = new AMPSummaryMasterVC(_configuration, _dateProvider, _detailViews);
    _summary->summaryMasterDelegate = &_summaryDelegate;
    onPopOverVC = _summary;
    _window = new PopoverWindow(_summary);
    connect(_window, &PopoverWindow::closed, this, &PopoverController::popoverDidClose);
    if (lastData)
        onPopOverVC->refreshContentWithData(*lastData);
    _window->adjustSize();
    const QPoint anchor =
        click.itemGeometry.isEmpty() ? click.screenPosition : click.itemGeometry.center();
    _window->showAt(_placement.popupPosition(click, _window->size()), anchor);
    _statusBar.setState(true);
}

void PopoverController::close() {
    if (_window)
        _window->close();
}

void PopoverController::refreshContentWithData(const CalibrationData& data) {
    if (onPopOverVC)
        onPopOverVC->refreshContentWithData(data);
}

// However the popup went (a toggle, a click elsewhere, Escape), the summary goes with it.
void PopoverController::popoverDidClose() {
    onPopOverVC = nullptr;
    _summary = nullptr;
    _window->deleteLater();
    _window = nullptr;
    _statusBar.setState(false);
}
