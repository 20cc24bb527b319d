// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPStepsVC.h"

#include "AMPCalibrationStepV.h"
#include "AMPStepsVCDelegate.h"
#include "stylekit/AmpraStyleKit.h"
#include "ui_AMPStepsVC.h"

#include <QEvent>
#include <QIcon>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStepCount = 6;
constexpr int kImageSize = 22;

int stepNumber(CalibrationStep step) {
    return int(step);
}

} // namespace

AMPStepsVC::AMPStepsVC(QWidget* parent) : QWidget(parent), _ui(std::make_unique<Ui::AMPStepsVC>()) {
    _ui->setupUi(this);
    _ui->stepStackV->stepDelegate = this;
    _ui->stepStackV->viewsToTrack = {_ui->step1View, _ui->step2View, _ui->step3View,
                                     _ui->step4View, _ui->step5View, _ui->step6View};
    // The markers stand on the tabs wherever the layout puts them.
    for (QWidget* tab : _ui->stepStackV->viewsToTrack)
        tab->installEventFilter(this);
    _images = {_ui->step1Image, _ui->step2Image, _ui->step3Image,
               _ui->step4Image, _ui->step5Image, _ui->step6Image};
    _titles = {_ui->step1TitleLabel, _ui->step2TitleLabel, _ui->step3TitleLabel,
               _ui->step4TitleLabel, _ui->step5TitleLabel, _ui->step6TitleLabel};
    for (QLabel* title : _titles)
        AmpraStyleKit::stepTitleAttributedStringWithValue(title->text()).applyTo(*title);
    refreshTabs();
}

AMPStepsVC::~AMPStepsVC() = default;

QStringList AMPStepsVC::stepImageNames(CalibrationStep step) {
    QStringList names(kStepCount, u"StepNotDone"_s);
    const int current = stepNumber(step);
    if (step == CalibrationStep::step6) {
        names.fill(u"StepDone"_s);
        names.last() = u"StepFinished"_s;
    } else if (current >= 1 && current <= 5) {
        for (int tab = 1; tab < current; ++tab)
            names[tab - 1] = u"StepDone"_s;
        names[current - 1] = u"StepCurrent"_s;
    }
    return names;
}

void AMPStepsVC::setCurrentStep(CalibrationStep step) {
    if (step == _currentStep)
        return;
    _currentStep = step;
    _hoveredStep = step;
    placeMarkers();
    const QStringList names = stepImageNames(step);
    for (int tab = 0; tab < kStepCount; ++tab) {
        _images[tab]->setPixmap(
            QIcon(":/calibration/"_L1 + names[tab] + ".svg"_L1).pixmap(kImageSize, kImageSize));
        _images[tab]->setAccessibleName(stateText(names[tab]));
    }
    refreshTabs();
    if (stepDelegate)
        stepDelegate->stepsControllerDidSelectStep(*this, step);
}

void AMPStepsVC::viewDetectHoverOnViewAtIndex(AMPCalibrationStepsV&, int index) {
    _timer.stopTimer();
    browseStep(CalibrationStep(index + 1));
}

void AMPStepsVC::viewStopHovering(AMPCalibrationStepsV&) {
    _timer.stopTimer();
    _timer.startTimerForObject([this] { timerExpired(); }, kBrowsingSeconds);
}

void AMPStepsVC::timerExpired() {
    _hoveredStep = _currentStep;
    placeMarkers();
    refreshTabs();
    if (stepDelegate)
        stepDelegate->stepsControllerDidHoverStep(*this, _currentStep);
    _timer.stopTimer();
    _hovering = false;
}

void AMPStepsVC::browseStep(CalibrationStep step) {
    _hovering = true;
    _hoveredStep = step;
    placeMarkers();
    refreshTabs();
    if (stepDelegate)
        stepDelegate->stepsControllerDidHoverStep(*this, step);
}

AMPCalibrationStepsV* AMPStepsVC::stepStackV() const {
    return _ui->stepStackV;
}

bool AMPStepsVC::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeMarkers();
    else if (event->type() == QEvent::FocusOut)
        _ui->stepStackV->tabLostFocus();
    return QWidget::eventFilter(watched, event);
}

void AMPStepsVC::placeMarkers() {
    _ui->stepStackV->setSelectedTabShift(tabShift(_currentStep));
    _ui->stepStackV->setHoveredTabShift(tabShift(_hoveredStep));
}

QString AMPStepsVC::stateText(const QString& imageName) {
    if (imageName == "StepDone"_L1)
        //: The state of a calibration step that is behind the user
        return tr("done");
    if (imageName == "StepCurrent"_L1)
        //: The state of the calibration step the user is in
        return tr("current step");
    if (imageName == "StepFinished"_L1)
        //: The state of the last calibration step once the calibration is complete
        return tr("finished");
    //: The state of a calibration step still to come
    return tr("not done yet");
}

// Each tab says its number, title and state; the tab of the page shown is the one Tab reaches, the
// first while no step is under way.
void AMPStepsVC::refreshTabs() {
    const QList<QWidget*>& tabs = _ui->stepStackV->viewsToTrack;
    const QStringList names = stepImageNames(_currentStep);
    int chosen = stepNumber(_hoveredStep) - 1;
    if (chosen < 0 || chosen >= kStepCount)
        chosen = 0;
    for (int tab = 0; tab < kStepCount; ++tab) {
        auto* view = static_cast<AMPCalibrationStepV*>(tabs[tab]);
        //: A calibration step for screen readers (%1: its number, %2: the number of steps,
        //: %3: its title, %4: its state), as in "Step 2 of 6, Wait: done"
        view->setAccessibleName(tr("Step %1 of %2, %3: %4")
                                    .arg(QLocale().toString(tab + 1),
                                         QLocale().toString(kStepCount), _titles[tab]->text(),
                                         stateText(names[tab])));
        view->setChosen(tab == chosen);
    }
}

// The left edge of the step's tab in the strip.
qreal AMPStepsVC::tabShift(CalibrationStep step) const {
    const int number = stepNumber(step);
    if (number < 1 || number > kStepCount)
        return kHiddenTabShift;
    return _ui->stepStackV->viewsToTrack[number - 1]->x();
}
