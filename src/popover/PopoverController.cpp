// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverController.h"

#include "AMPSummaryMasterVC.h"
#include "PopupPlacement.h"
#include "statusbar/StatusBarC.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
    // Without the item's geometry the click point stands for the item.
    _lastItem = click.itemGeometry;
    if (click.itemGeometry.isEmpty())
        _lastItem = click.screenPosition ? std::optional(QRect(*click.screenPosition, QSize(1, 1)))
                                         : std::nullopt;
    if (_window)
        close();
    else
        show(_lastItem, lastData);
}

void PopoverController::open(const std::optional<CalibrationData>& lastData) {
    if (_window)
        _window->present();
    else
        show(_lastItem || !_trayShown ? _lastItem : _placement.usualItemPlace(), lastData);
}

void PopoverController::setTrayShown(bool shown) {
    _trayShown = shown;
    if (!shown)
        _lastItem.reset();
}

void PopoverController::show(const std::optional<QRect>& item,
                             const std::optional<CalibrationData>& lastData) {
    auto* summary = new AMPSummaryMasterVC(_configuration, _dateProvider, _detailViews);
    summary->summaryMasterDelegate = &_summaryDelegate;
    _onPopOverVC = summary;
    std::optional<PopoverWindow::Anchor> anchor;
    if (item)
        if (const std::optional<QRect> available = _placement.availableGeometry(*item))
            anchor = PopoverWindow::Anchor{*item, *available, _placement.clicksNeedCover()};
    _window = new PopoverWindow(summary, anchor);
    connect(_window, &PopoverWindow::closed, this, &PopoverController::popoverDidClose);
    summary->setRoom(_window->room());
#ifdef __GLIBC__
    // What the views used goes back to the system when they go, instead of waiting in the
    // allocator's free lists while the popover stays closed, most of the time.
    connect(_window, &QObject::destroyed, this, [] { malloc_trim(0); });
#endif
    if (lastData)
        _onPopOverVC->refreshContentWithData(*lastData);
    _window->present();
    _statusBar.setState(true);
}

void PopoverController::close() {
    if (_window)
        _window->close();
}

void PopoverController::refreshContentWithData(const CalibrationData& data) {
    if (_onPopOverVC)
        _onPopOverVC->refreshContentWithData(data);
}

// However the popup went (a toggle, a click elsewhere, Escape), the summary goes with it.
void PopoverController::popoverDidClose() {
    _onPopOverVC = nullptr;
    _window->deleteLater();
    _window = nullptr;
    _statusBar.setState(false);
}
