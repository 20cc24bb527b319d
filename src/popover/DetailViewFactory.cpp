// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DetailViewFactory.h"

#include "AMPCalibrationVC.h"

QWidget* DetailViewFactory::createDetailView(Tab tab, GlobalConfigurationProvider& configuration) {
    switch (tab) {
    case Tab::calibration:
        return new AMPCalibrationVC(configuration, _dateProvider);
    case Tab::charge:
    case Tab::capacity:
    case Tab::health:
        break;
    }
    return nullptr;
}
