// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPStepInfoVC.h"

#include "AccessibleViews.h"
#include "stylekit/AmpraStyleKit.h"
#include "ui_AMPStepInfoVC.h"

#include <QPainter>

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
    _ui->actionButton->hide();
    // Tab reads the page as one text after the step strip.
    AccessibleViews::install();
    setFocusPolicy(Qt::TabFocus);
}

QString AMPStepInfoVC::instructions() const {
    QStringList texts;
    for (const QLabel* label : {_ui->bubbleInfoText, _ui->plugInfoText, _ui->laptopInfoText}) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    return texts.join(u' ');
}

void AMPStepInfoVC::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    AmpraStyleKit::drawFocusIndicator(painter, rect());
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
QPushButton* AMPStepInfoVC::actionButton() const {
    return _ui->actionButton;
}
