// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DropDownButton.h"

DropDownButton::DropDownButton(QWidget* parent) : QToolButton(parent) {
    setPopupMode(QToolButton::InstantPopup);
    setAutoRaise(true);
    // The menu's own arrow would crowd the small settings icon.
    setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
}
