// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPDetailViewFactory.h"

class DateProvider;

// Makes the detail views the rings open; the calibration view reads the date it compares with
// from `dateProvider`.
class DetailViewFactory : public AMPDetailViewFactory {
public:
    explicit DetailViewFactory(const DateProvider& dateProvider) : _dateProvider(dateProvider) {}

    QWidget* createDetailView(Tab tab, GlobalConfigurationProvider& configuration) override;

private:
    const DateProvider& _dateProvider;
};
