// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPTutoriaThanksPageVC.h"

#include "WindowActions.h"

#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

AMPTutoriaThanksPageVC::AMPTutoriaThanksPageVC(QWidget& view, SettingsStore& store,
                                               WindowActions& actions, QObject* parent)
    : AMPTutorialFormattedPageVC(view, store, actions, parent) {
    if (auto* button = view.findChild<QPushButton*>(u"startUsingAmpraButton"_s))
        connect(button, &QPushButton::clicked, this,
                &AMPTutoriaThanksPageVC::startUsingAmpraAction);
}

void AMPTutoriaThanksPageVC::startUsingAmpraAction() {
    _actions.popOverToggleRequest();
    _view.window()->close();
}
