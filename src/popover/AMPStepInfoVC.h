// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
namespace Ui {
class AMPStepInfoVC;
}

// One page of step instructions: what the step is about, the charger, the laptop and, for the
// timed steps, how long the step still lasts.
class AMPStepInfoVC : public QWidget {
    Q_OBJECT

public:
    AMPStepInfoVC(const QString& bubbleInfo, const QString& plugInfo, const QString& laptopInfo,
                  QWidget* parent = nullptr);
    ~AMPStepInfoVC() override;

    QLabel* bubbleInfoText() const;
    QLabel* plugInfoText() const;
    QLabel* laptopInfoText() const;
    QLabel* watchInfoText() const;
    QLabel* errorMessage() const;
    QWidget* watchView() const;
    // Hidden unless a page offers what its step needs.
    QPushButton* actionButton() const;

    // The page's three instructions as one text.
    QString instructions() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::AMPStepInfoVC> _ui;
};
