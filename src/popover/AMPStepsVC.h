// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPCalibrationStepsVDelegate.h"
#include "CalibrationStep.h"
#include "calibration/QtTimerProvider.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class AMPCalibrationStepsV;
class AMPStepsVCDelegate;
class QLabel;
namespace Ui {
class AMPStepsVC;
}

// The strip of six step tabs. It follows the calibration's step, and while the user browses the
// tabs it shows the pointed step's page instead, until three seconds after the pointer left.
class AMPStepsVC : public QWidget, public AMPCalibrationStepsVDelegate {
    Q_OBJECT

public:
    static constexpr double kBrowsingSeconds = 3;
    // Where the markers go for no step: out of sight.
    static constexpr qreal kHiddenTabShift = -50;

    explicit AMPStepsVC(QWidget* parent = nullptr);
    ~AMPStepsVC() override;

    // The six tabs' image names for the calibration at `step`.
    static QStringList stepImageNames(CalibrationStep step);
    // What a tab's image says: "done", "current step"…
    static QString stateText(const QString& imageName);

    CalibrationStep currentStep() const { return _currentStep; }
    void setCurrentStep(CalibrationStep step);
    bool hovering() const { return _hovering; }

    void viewDetectHoverOnViewAtIndex(AMPCalibrationStepsV& view, int index) override;
    void viewStopHovering(AMPCalibrationStepsV& view) override;
    void timerExpired();
    // A page turned by the user's gesture browses as a hover over its step does, without a timer.
    void browseStep(CalibrationStep step);

    AMPCalibrationStepsV* stepStackV() const;

    AMPStepsVCDelegate* stepDelegate = nullptr; // not owned

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMarkers();
    void refreshTabs();
    qreal tabShift(CalibrationStep step) const;

    std::unique_ptr<Ui::AMPStepsVC> _ui;
    CalibrationStep _currentStep = CalibrationStep::stepUndefined;
    bool _hovering = false;
    CalibrationStep _hoveredStep = CalibrationStep::stepUndefined;
    QtTimerProvider _timer{this};
    QList<QLabel*> _images;
    QList<QLabel*> _titles;
};
