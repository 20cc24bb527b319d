// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>

// One tab of the step strip: its rounded background under the step's title and image. The chosen
// tab, the step whose page is shown, is the one the keyboard reaches.
class AMPCalibrationStepV : public QWidget {
    Q_OBJECT

public:
    explicit AMPCalibrationStepV(QWidget* parent = nullptr);

    bool isChosen() const { return _chosen; }
    void setChosen(bool chosen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool _chosen = false;
};
