// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class GlobalConfigurationProvider;
class QWidget;

// Makes the detail view that a ring of the summary opens. A view that implements
// AMPBatteryDataAwareInterface receives the records; one derived from AMPSumarySubviewVC may ask
// the summary for actions.
class AMPDetailViewFactory {
public:
    // The rings, numbered as the summary's tabs.
    enum class Tab { charge = 1, capacity = 2, health = 3, calibration = 4 };

    virtual ~AMPDetailViewFactory() = default;

    // A new view for `tab`, or none while that view does not exist; the caller takes it.
    virtual QWidget* createDetailView(Tab tab, GlobalConfigurationProvider& configuration) = 0;
};
