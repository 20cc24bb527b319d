// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPChargeVC.h"

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"
#include "ui_AMPChargeVC.h"

using namespace Qt::StringLiterals;
using namespace AmpraStyleKit;

namespace {

constexpr int kChargeSpacingWithTime = 4;
constexpr int kChargeSpacingWithoutTime = 12;

} // namespace

AMPChargeVC::AMPChargeVC(GlobalConfigurationProvider& configuration, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPChargeVC>())
    , _configuration(configuration) {
    _ui->setupUi(this);
    viewDidLoad();
}

AMPChargeVC::~AMPChargeVC() = default;

void AMPChargeVC::viewDidLoad() {
    for (QLabel* caption : {_ui->powerSourceLabel, _ui->batteryStatusLabel, _ui->chargeLabel,
                            _ui->timeRemainingLabel})
        DetailViewTexts::apply(*caption, basicLabelAttributedStringWithValue(caption->text()));
    for (QLabel* value : {_ui->powerSourceValue, _ui->batteryStatusValue, _ui->chargeValue,
                          _ui->timeRemainingValue})
        DetailViewTexts::apply(*value,
                               basicValueAttributedStringWithValue(DetailViewTexts::noDataText()));
}

void AMPChargeVC::refreshContentWithData(const CalibrationData& record) {
    const bool lifted = record.chargeLimitLift == CalibrationData::ChargeLimitLift::lifted;
    const Content content = contentForData(
        record.batteryData(), lifted ? std::optional(record.liftableChargeLimit) : std::nullopt);
    DetailViewTexts::apply(*_ui->powerSourceValue,
                           basicValueAttributedStringWithValue(content.powerSource));
    DetailViewTexts::apply(*_ui->batteryStatusValue,
                           basicValueAttributedStringWithValue(content.batteryStatus));
    DetailViewTexts::apply(*_ui->chargeValue, basicValueAttributedStringWithValue(content.charge));
    if (!content.timeRemaining) {
        hideTimeRemainingSectionIfNeeded();
        return;
    }
    DetailViewTexts::apply(*_ui->timeRemainingValue,
                           basicValueAttributedStringWithValue(*content.timeRemaining));
    showTimeRemainingSectionIfNeeded();
}

AMPChargeVC::Content AMPChargeVC::contentForData(const BatteryData& battery,
                                                 std::optional<uint64_t> liftedChargeLimit) {
    Content content;
    if (battery.powerSource == PowerSourceType::acPowered) {
        //: Text to show when the computer is connected to power
        content.powerSource = tr("chargevc_acpowersource_text");
        if (battery.isCharged)
            //: Message to display when battery is charged
            content.batteryStatus = tr("chargevc_charged_message");
        else if (liftedChargeLimit)
            content.batteryStatus = DetailViewTexts::chargeLimitLifted(*liftedChargeLimit);
        else if (battery.chargeLimit < 100)
            //: Battery status on mains when the laptop stops charging early (%1: a charge
            //: level such as 80%)
            content.batteryStatus =
                tr("Charging stops at %1")
                    .arg(DetailViewTexts::percent(double(battery.chargeLimit) / 100));
        else
            //: Message to display when battery is charging
            content.batteryStatus = tr("chargevc_charging_message");
    } else {
        //: Text to show when the computer is running on battery
        content.powerSource = tr("chargevc_batterypowersource_text");
        //: Message to display when battery is discharging
        content.batteryStatus = tr("chargevc_discharging_message");
    }
    content.charge = DetailViewTexts::percent(double(battery.currentChargePercentage) / 100);
    if (battery.timeToEmpty != 0)
        content.timeRemaining = timeRemainingText(battery.timeToEmpty);
    return content;
}

QString AMPChargeVC::timeRemainingText(quint64 minutes) {
    if (minutes < 60)
        return QString::number(minutes) + u'm';
    return QString::number(minutes / 60) + u"h "_s + QString::number(minutes % 60) + u'm';
}

void AMPChargeVC::hideTimeRemainingSectionIfNeeded() {
    if (_isTimeReminingSectionHidden)
        return;
    _ui->batteryChargeBottomConstraint->changeSize(0, kChargeSpacingWithoutTime,
                                                   QSizePolicy::Minimum, QSizePolicy::Fixed);
    _ui->suviewStack->removeWidget(_ui->timeRemainingView);
    _ui->timeRemainingView->hide();
    _ui->mainLayout->invalidate();
    _isTimeReminingSectionHidden = true;
}

void AMPChargeVC::showTimeRemainingSectionIfNeeded() {
    if (!_isTimeReminingSectionHidden)
        return;
    _ui->batteryChargeBottomConstraint->changeSize(0, kChargeSpacingWithTime, QSizePolicy::Minimum,
                                                   QSizePolicy::Fixed);
    _ui->suviewStack->insertWidget(0, _ui->timeRemainingView);
    _ui->timeRemainingView->show();
    _ui->mainLayout->invalidate();
    _isTimeReminingSectionHidden = false;
}
