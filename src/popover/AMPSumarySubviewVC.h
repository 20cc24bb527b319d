// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>

class AMPSumarySubviewVCDelegate;

// A detail view that sends requests back to the summary.
class AMPSumarySubviewVC : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    AMPSumarySubviewVCDelegate* suviewDelegate = nullptr; // not owned
};
