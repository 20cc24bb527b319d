// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class CalibrationData;

// A view that shows the latest record: the summary and every detail view.
class AMPBatteryDataAwareInterface {
public:
    virtual ~AMPBatteryDataAwareInterface() = default;

    virtual void refreshContentWithData(const CalibrationData& data) = 0;
};
