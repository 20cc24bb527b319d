// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DetailViewFactory.h"

#include "AMPCalibrationVC.h"
#include "AMPCapacityVC.h"
#include "AMPChargeVC.h"
#include "AMPHealthVC.h"

QWidget* DetailViewFactory::createDetailView(Tab tab, GlobalConfigurationProvider& configuration) {
    switch (tab) {
    case Tab::charge:
        return new AMPChargeVC(configuration);
    case Tab::capacity:
        return new AMPCapacityVC(configuration);
    case Tab::health:
        return new AMPHealthVC(configuration);
    case Tab::calibration:
        return new AMPCalibrationVC(configuration, _dateProvider);
    }
    return nullptr;
}
