// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryDataHijackWC.h"

#include "WindowIcon.h"
#include "battery/BatteryDataHijackModel.h"
#include "popover/AccessibleViews.h"
#include "stylekit/DetailViewTexts.h"
#include "ui_BatteryDataHijackWC.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

// The lists' items, in the order of the model's lists.
QStringList phaseItems() {
    return {
        //: Item of the phase list in the battery override window
        BatteryDataHijackWC::tr("Phase 0: Starting to charge"),
        //: Item of the phase list in the battery override window
        BatteryDataHijackWC::tr("Phase 1: Charging"),
        //: Item of the phase list in the battery override window
        BatteryDataHijackWC::tr("Phase 2: Finishing Charge"),
        //: Item of the phase list in the battery override window: the battery is full
        BatteryDataHijackWC::tr("Phase 3: Charged"),
        //: Item of the phase list in the battery override window: just unplugged
        BatteryDataHijackWC::tr("Phase 4: Starting discharge"),
        //: Item of the phase list in the battery override window
        BatteryDataHijackWC::tr("Phase 5: Discharging"),
        //: Item of the phase list in the battery override window: the battery is nearly empty
        BatteryDataHijackWC::tr("Phase 6: Finishing discharge"),
    };
}

QStringList powerSourceItems() {
    return {
        //: Item of the power-source list in the battery override window: on mains power
        BatteryDataHijackWC::tr("AC Power"),
        //: Item of the power-source list in the battery override window
        BatteryDataHijackWC::tr("Battery Power"),
    };
}

QStringList healthItems() {
    return {
        //: Item of the health list in the battery override window
        BatteryDataHijackWC::tr("Good"),
        //: Item of the health list in the battery override window
        BatteryDataHijackWC::tr("Fair"),
        //: Item of the health list in the battery override window
        BatteryDataHijackWC::tr("Poor"),
        //: Item of the health list in the battery override window: the system asks for a service
        BatteryDataHijackWC::tr("Check Battery"),
        //: Item of the health list in the battery override window: a health the system never gives
        BatteryDataHijackWC::tr("Wrong Value"),
    };
}

QString chargeText(int percentage) {
    return DetailViewTexts::percent(percentage / 100.0);
}

} // namespace

BatteryDataHijackWC::BatteryDataHijackWC(BatteryDataHijackModel& model,
                                         std::function<void()> changed, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::BatteryDataHijackWC>())
    , _model(model)
    , _changed(std::move(changed)) {
    WindowIcon::registerImages();
    _ui->setupUi(this);
    //: Title of the developer window that replaces the battery's readings
    setWindowTitle(tr("Battery Override"));
    _ui->enableHijakingCheckBox->setAccessibleDescription(_ui->hintLabel->text());
    AccessibleViews::clickButtonsOnEnter(*this);
    setWindowIcon(WindowIcon::icon());
    _ui->workCycleStatusCombo->addItems(phaseItems());
    _ui->powerSourceCombo->addItems(powerSourceItems());
    _ui->batteryHealthCombo->addItems(healthItems());
    windowDidLoad();
    connect(_ui->enableHijakingCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
        _model.setEnableHijaking(checked);
        _changed();
    });
    connect(_ui->workCycleStatusCombo, &QComboBox::activated, this,
            &BatteryDataHijackWC::workCycleStatusCombo);
    connect(_ui->powerSourceCombo, &QComboBox::activated, this,
            &BatteryDataHijackWC::powerSourceCombo);
    connect(_ui->batteryHealthCombo, &QComboBox::activated, this,
            &BatteryDataHijackWC::batteryHealthCombo);
    // The slider reports its value when released; the number beside it follows the drag.
    connect(_ui->currentChargePercentageSlider, &QSlider::valueChanged, this,
            &BatteryDataHijackWC::currentChargePercentageSlider);
    connect(_ui->currentChargePercentageSlider, &QSlider::sliderMoved, this,
            [this](int value) { _ui->chargeValueLabel->setText(chargeText(value)); });
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

BatteryDataHijackWC::~BatteryDataHijackWC() = default;

void BatteryDataHijackWC::windowDidLoad() {
    _model.batteryValuesDictionary.clear();
    _ui->powerSourceCombo->setCurrentIndex(0);
    _model.storePowerSource(0);
    _ui->workCycleStatusCombo->setCurrentIndex(1);
    _model.lifeCycleSetToIndex(1);
    _ui->batteryHealthCombo->setCurrentIndex(0);
    _model.storeHealth(0);
    showModel();
}

void BatteryDataHijackWC::workCycleStatusCombo(int index) {
    if (index < 0)
        return;
    _model.lifeCycleSetToIndex(index);
    showModel();
    _changed();
}

void BatteryDataHijackWC::powerSourceCombo(int index) {
    if (index < 0)
        return;
    _model.storePowerSource(index);
    _changed();
}

void BatteryDataHijackWC::batteryHealthCombo(int index) {
    if (index < 0)
        return;
    _model.storeHealth(index);
    _changed();
}

void BatteryDataHijackWC::currentChargePercentageSlider(int value) {
    _model.setCurrentChargePercentage(uint64_t(value));
    _ui->chargeValueLabel->setText(chargeText(value));
    _changed();
}

void BatteryDataHijackWC::showModel() {
    const int charge = int(_model.currentChargePercentage());
    {
        const QSignalBlocker blocker(_ui->currentChargePercentageSlider);
        _ui->currentChargePercentageSlider->setValue(charge);
    }
    _ui->chargeValueLabel->setText(chargeText(charge));
    _ui->powerSourceCombo->setCurrentIndex(_model.selectedPowerSource());
}

void BatteryDataHijackWC::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
