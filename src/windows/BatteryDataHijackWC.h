// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class BatteryDataHijackModel;
namespace Ui {
class BatteryDataHijackWC;
}

// The developer window that replaces the battery's readings: a switch, a charge slider and the
// phase, power-source and health lists. It edits the override the battery record takes while
// the switch is on. Escape closes it; what it set stays for the rest of the run.
class BatteryDataHijackWC : public QWidget {
    Q_OBJECT

public:
    // `changed` runs after every edit, so that the battery is read again at once rather than at
    // the next minute.
    BatteryDataHijackWC(BatteryDataHijackModel& model, std::function<void()> changed,
                        QWidget* parent = nullptr);
    ~BatteryDataHijackWC() override;

    void workCycleStatusCombo(int index);
    void powerSourceCombo(int index);
    void batteryHealthCombo(int index);
    void currentChargePercentageSlider(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void windowDidLoad();
    // The slider, its number and the power-source list follow the model after a phase.
    void showModel();

    std::unique_ptr<Ui::BatteryDataHijackWC> _ui;
    BatteryDataHijackModel& _model;
    std::function<void()> _changed;
};
