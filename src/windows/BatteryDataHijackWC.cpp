// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryDataHijackWC.h"

#include "WindowIcon.h"
#include "battery/BatteryDataHijackModel.h"
#include "popover/AccessibleViews.h"
#include "popover/DetailViewTexts.h"
#include "ui_BatteryDataHijackWC.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

// The items are the texts the reading stores; the list shows their translations.
void fill(QComboBox& list, const QStringList& items) {
    for (const QString& item : items)
        list.addItem(BatteryDataHijackWC::tr(item.toUtf8().constData()));
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
    fill(*_ui->workCycleStatusCombo, BatteryDataHijackModel::LifeCycleStates);
    fill(*_ui->powerSourceCombo, BatteryDataHijackModel::PowerSourceStates);
    fill(*_ui->batteryHealthCombo, BatteryDataHijackModel::HealthStates);
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
