// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPHealthVC.h"

#include "HelpBlocks.h"
#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"
#include "ui_AMPHealthVC.h"

#include <algorithm>
#include <climits>

using namespace AmpraStyleKit;

AMPHealthVC::AMPHealthVC(GlobalConfigurationProvider& configuration, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPHealthVC>())
    , _configuration(configuration) {
    _ui->setupUi(this);
    viewDidLoad();
}

AMPHealthVC::~AMPHealthVC() = default;

void AMPHealthVC::viewDidLoad() {
    for (QLabel* text : {_ui->lifespanText, _ui->capacityText})
        DetailViewTexts::apply(*text,
                               basicLabelAttributedStringWithValue(DetailViewTexts::noDataText()));
    DetailViewTexts::apply(*_ui->lifespanHelpTitle,
                           helpTitleAttributedStringWithValue(_ui->lifespanHelpTitle->text()));
    DetailViewTexts::apply(*_ui->lifespanHelpText,
                           helpTextAttributedStringWithValue(_ui->lifespanHelpText->text()));
    _helpBlocks = std::make_unique<HelpBlocks>(*_ui->stackOfViews);
    _helpBlocks->add(*_ui->lifespanHelpView, *_ui->healthView, *_ui->expandHealthButton);
    connect(_ui->expandHealthButton, &QAbstractButton::clicked, this,
            &AMPHealthVC::healthHelpAction);
}

void AMPHealthVC::refreshContentWithData(const CalibrationData& record) {
    const Content content = contentForData(record.batteryData());
    DetailViewTexts::apply(*_ui->lifespanText,
                           basicLabelAttributedStringWithValue(content.lifespan));
    DetailViewTexts::apply(*_ui->capacityText,
                           basicLabelAttributedStringWithValue(content.capacity));
    DetailViewTexts::apply(*_ui->ringExplanationText,
                           basicLabelAttributedStringWithValue(content.ringExplanation));
}

AMPHealthVC::Content AMPHealthVC::contentForData(const BatteryData& battery) {
    Content content;
    if (battery.designCycleCount == 0)
        //: Text to show when there is no data yet from the battery to talk about lifespan
        content.lifespan = tr("no_data_forHealthLifespan_text");
    else
        //: Lifespand message
        content.lifespan = tr("Lifespan: your Macbook battery is designed to retain up to 80%% of "
                              "its original capacity and up to %d charge cycles.")
                               .arg(DetailViewTexts::number(battery.designCycleCount));
    if (battery.designCapacity != 0 && battery.currectCapacity != 0 && battery.cycleCount != 0)
        //: Lifespand message
        // The count picks the plural form; the translation writes it through %2.
        content.capacity = tr("Your battery capacity is currently at %@, and you have done %d "
                              "charge cycles.",
                              nullptr, int(std::min<uint64_t>(battery.cycleCount, INT_MAX)))
                               .arg(DetailViewTexts::percent(double(battery.currectCapacity) /
                                                             double(battery.designCapacity)),
                                    DetailViewTexts::number(battery.cycleCount));
    else
        //: Text to show when there is no data yet from the battery to talk about cycles
        content.capacity = tr("no_data_forHealthCycles_text");
    content.ringExplanation = ringExplanation(battery.batteryHealth);
    return content;
}

QString AMPHealthVC::ringExplanation(std::optional<BatteryHealthType> health) {
    if (!health)
        //: Battery Heath ring explanation message for state unknown
        return tr("Currently we have no valid value to inform about the health of the installed "
                  "power source.");
    switch (*health) {
    case BatteryHealthType::unknown:
        //: Battery Heath ring explanation message for state unknown of battery
        return tr("\"-\" indicates that no information is given by the system regarding the "
                  "battery health.");
    case BatteryHealthType::poor:
        //: Battery Heath ring explanation message for state poor
        return tr("\"POOR\" describe a power source that's not capable of providing proper "
                  "power.");
    case BatteryHealthType::fair:
        //: Battery Heath ring explanation message for state fair
        return tr("\"FAIR\" describe a functional power source with limited capacity.");
    case BatteryHealthType::good:
        //: Battery Heath ring explanation message for state good
        return tr("\"GOOD\" indicates that the battery is healthy and performing well.");
    case BatteryHealthType::check:
        //: Battery Heath ring explanation message for state check battery
        return tr("\"CHECK\" indicates that the battery should be checked out by a licensed Mac "
                  "repair service.");
    }
    return {};
}

bool AMPHealthVC::healthHelpOnDisplay() const {
    return _helpBlocks->isOpen(0);
}

void AMPHealthVC::healthHelpAction() {
    _helpBlocks->toggle(0);
}
