// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCapacityVC.h"

#include "HistoryExportDialog.h"
#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"
#include "ui_AMPCapacityVC.h"

using namespace AmpraStyleKit;

AMPCapacityVC::AMPCapacityVC(GlobalConfigurationProvider& configuration, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPCapacityVC>())
    , _configuration(configuration) {
    _ui->setupUi(this);
    viewDidLoad();
}

AMPCapacityVC::~AMPCapacityVC() = default;

void AMPCapacityVC::viewDidLoad() {
    _tableDataProvider.awakeFromNib(*_ui->historyTable);
    _tableDataProvider.setConfiguration(&_configuration);
    _tableDataProvider.loadSnapshots();
    _ui->capacityChart->setContext(_configuration.context());
    for (QLabel* caption :
         {_ui->cyclesDoneLabel, _ui->cyclesByDesignLabel, _ui->originalCapacityLabel,
          _ui->currentCapacityLabel, _ui->historyLabel})
        DetailViewTexts::apply(*caption, basicLabelAttributedStringWithValue(caption->text()));
    for (QLabel* title : {_ui->cyclesHelpTitle, _ui->capacityHelpTitle})
        DetailViewTexts::apply(*title, helpTitleAttributedStringWithValue(title->text()));
    for (QLabel* text :
         {_ui->cyclesHelpText, _ui->capacityHelpText, _ui->capacityTableExplanationText})
        DetailViewTexts::apply(*text, helpTextAttributedStringWithValue(text->text()));
    for (QLabel* value : {_ui->cyclesDoneValue, _ui->cyclesByDesingValue,
                          _ui->originalCapacityValue, _ui->currentCapacityValue})
        DetailViewTexts::apply(*value,
                               basicValueAttributedStringWithValue(DetailViewTexts::noDataText()));
    _helpBlocks = std::make_unique<HelpBlocks>(*_ui->stackOfViews);
    _cyclesHelp =
        _helpBlocks->add(*_ui->cyclesHelpView, *_ui->cyclesView, *_ui->expandCyclesButton);
    _capacityHelp =
        _helpBlocks->add(*_ui->capacityHelpView, *_ui->capacityView, *_ui->expandCapacityButton);
    connect(_ui->expandCyclesButton, &QAbstractButton::clicked, this,
            &AMPCapacityVC::cyclesHelpAction);
    connect(_ui->expandCapacityButton, &QAbstractButton::clicked, this,
            &AMPCapacityVC::capacityHelpAction);
    connect(_ui->exportButton, &QPushButton::clicked, this,
            [this] { HistoryExportDialog::open(*this, _configuration.context()); });
}

void AMPCapacityVC::refreshContentWithData(const CalibrationData& record) {
    const BatteryData& battery = record.batteryData();
    const Content content = contentForData(battery);
    DetailViewTexts::apply(*_ui->cyclesDoneValue,
                           basicValueAttributedStringWithValue(content.cyclesDone));
    DetailViewTexts::apply(*_ui->cyclesByDesingValue,
                           basicValueAttributedStringWithValue(content.cyclesByDesign));
    if (content.originalCapacity)
        DetailViewTexts::apply(*_ui->originalCapacityValue,
                               basicValueAttributedStringWithValue(*content.originalCapacity));
    if (content.currentCapacity)
        DetailViewTexts::apply(*_ui->currentCapacityValue,
                               basicValueAttributedStringWithValue(*content.currentCapacity));
    if (!_tableDataProvider.designCapacity()) {
        _tableDataProvider.setDesignCapacity(battery.designCapacity);
        _ui->capacityChart->setDesignCapacity(battery.designCapacity);
    }
}

AMPCapacityVC::Content AMPCapacityVC::contentForData(const BatteryData& battery) {
    Content content;
    content.cyclesDone = DetailViewTexts::number(battery.cycleCount);
    content.cyclesByDesign = DetailViewTexts::number(battery.designCycleCount);
    if (battery.designCapacity != 0) {
        content.originalCapacity = DetailViewTexts::number(battery.designCapacity);
        if (battery.currectCapacity != 0)
            content.currentCapacity =
                DetailViewTexts::capacityText(battery.currectCapacity, battery.designCapacity);
    }
    return content;
}

void AMPCapacityVC::cyclesHelpAction() {
    _helpBlocks->toggle(_cyclesHelp);
}

void AMPCapacityVC::capacityHelpAction() {
    _helpBlocks->toggle(_capacityHelp);
}
