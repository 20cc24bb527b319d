// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QToolButton>

// A button that opens its menu below itself on a press.
class DropDownButton : public QToolButton {
    Q_OBJECT

public:
    explicit DropDownButton(QWidget* parent = nullptr);
};
