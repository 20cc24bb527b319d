// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPStepInfoVC.h"

#include "stylekit/AmpraStyleKit.h"
#include "ui_AMPStepInfoVC.h"

AMPStepInfoVC::AMPStepInfoVC(const QString& bubbleInfo, const QString& plugInfo,
                             const QString& laptopInfo, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPStepInfoVC>()) {
    _ui->setupUi(this);
    const std::pair<QLabel*, QString> texts[] = {{_ui->bubbleInfoText, bubbleInfo},
                                                 {_ui->plugInfoText, plugInfo},
                                                 {_ui->laptopInfoText, laptopInfo},
                                                 {_ui->watchCaption, _ui->watchCaption->text()}};
    for (const auto& [label, text] : texts) {
        AmpraStyleKit::StepsInformationAttributedStringWithValue(text).applyTo(*label);
        label->setVisible(!text.isEmpty());
    }
    _ui->errorMessage->hide();
    _ui->watchView->hide();
}

AMPStepInfoVC::~AMPStepInfoVC() = default;

QLabel* AMPStepInfoVC::bubbleInfoText() const {
    return _ui->bubbleInfoText;
}
QLabel* AMPStepInfoVC::plugInfoText() const {
    return _ui->plugInfoText;
}
QLabel* AMPStepInfoVC::laptopInfoText() const {
    return _ui->laptopInfoText;
}
QLabel* AMPStepInfoVC::watchInfoText() const {
    return _ui->watchInfoText;
}
QLabel* AMPStepInfoVC::errorMessage() const {
    return _ui->errorMessage;
}
QWidget* AMPStepInfoVC::watchView() const {
    return _ui->watchView;
}
