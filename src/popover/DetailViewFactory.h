// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPDetailViewFactory.h"

// Makes the charge, capacity and health views; the calibration view is not made here yet.
class DetailViewFactory : public AMPDetailViewFactory {
public:
    QWidget* createDetailView(Tab tab, GlobalConfigurationProvider& configuration) override;
};
