// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPSummaryMasterVC.h"

#include "AMPNoEventsView.h"
#include "AMPRingBackgroundV.h"
#include "AMPSumarySubviewVC.h"
#include "AMPSummaryMasterVCDelegate.h"
#include "SummaryRings.h"
#include "battery/BatteryData.h"
#include "calibration/DateProvider.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/VersionSupport.h"
#include "stylekit/AmpraStyleKit.h"
#include "ui_AMPSummaryMasterVC.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QVBoxLayout>

// A resource of a static library is registered by hand.
static void registerImages() {
    Q_INIT_RESOURCE(popover);
}

namespace {

// The title bar stays visible above the no-battery panel.
constexpr int kTitleBarHeight = 32;

} // namespace

AMPSummaryMasterVC::AMPSummaryMasterVC(GlobalConfigurationProvider& configuration,
                                       const DateProvider& dateProvider,
                                       AMPDetailViewFactory* detailViews, QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPSummaryMasterVC>())
    , _noBatteryView(new AMPNoEventsView(this))
    , _settingsMenu(new QMenu(this))
    , _configuration(configuration)
    , _dateProvider(dateProvider)
    , _detailViews(detailViews) {
    registerImages();
    _ui->setupUi(this);
    viewDidLoad();
}

AMPSummaryMasterVC::~AMPSummaryMasterVC() = default;

void AMPSummaryMasterVC::viewDidLoad() {
    //: The application's name in the popover's title bar
    AmpraStyleKit::appTitleAttributedStringWithValue(tr("AMPRA")).applyTo(*_ui->ampraTitle);
    for (QLabel* caption : {_ui->batteryChargeRingLabel, _ui->batteryCapacityRingLabel,
                            _ui->batteryHealthRingLabel, _ui->daysTillCalibrationRingLabel})
        AmpraStyleKit::ringTitleAttributedStringWithValue(caption->text()).applyTo(*caption);
    // The popover is light whatever the desktop's theme: dark text on its light grey.
    QPalette light = palette();
    light.setColor(QPalette::Window, AmpraStyleKit::popOverBackgroundColor());
    light.setColor(QPalette::WindowText, AmpraStyleKit::mainTitlesTextColors());
    light.setColor(QPalette::ButtonText, AmpraStyleKit::mainTitlesTextColors());
    AmpraStyleKit::applyFocusColor(light);
    setPalette(light);

    _ui->batteryChargeButton->setIsPercentage(true);
    _ui->batteryChargeButton->setColorSections(SummaryRings::chargeSections());
    _ui->batteryCapacityButton->setIsPercentage(true);
    const std::pair<RingButton*, Tab> rings[] = {
        {_ui->batteryChargeButton, Tab::charge},
        {_ui->batteryCapacityButton, Tab::capacity},
        {_ui->batteryHealthButton, Tab::health},
        {_ui->daysUntilCalibrationButton, Tab::calibration}};
    for (const auto& [button, tab] : rings) {
        // Hidden until the first reading, in their place.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        button->hide();
        connect(button, &QAbstractButton::clicked, this,
                [this, tab = tab] { ringButtonAction(tab); });
    }

    // The views' own controls take the focus; the area scrolls to them.
    _ui->detailScrollArea->setFocusPolicy(Qt::NoFocus);
    _settingsMenu->addAction(_ui->preferencesAction);
    _settingsMenu->addAction(_ui->tutorialAction);
    _settingsMenu->addSeparator();
    VersionSupport* versionSupport = _configuration.versionSupport();
    if (versionSupport && versionSupport->isWebVersion()) {
        if (QAction* update = versionSupport->checkForUpdateMenuItem(_settingsMenu))
            _settingsMenu->addAction(update);
    }
    _settingsMenu->addAction(_ui->quitAction);
    _ui->settingButton->setMenu(_settingsMenu);
    // The settings button is always there to take the keyboard; Tab goes on to the rings.
    setFocusProxy(_ui->settingButton);
    connect(_ui->preferencesAction, &QAction::triggered, this,
            &AMPSummaryMasterVC::menuPreferencesAction);
    connect(_ui->tutorialAction, &QAction::triggered, this,
            &AMPSummaryMasterVC::menuTutorialAction);
    connect(_ui->quitAction, &QAction::triggered, this, &AMPSummaryMasterVC::quitAmpra);

    auto* message = new QLabel(_noBatteryView);
    //: Shown over the rings when the computer has no battery
    message->setText(tr("No battery found.\nAmpra shows its readings once a battery is present."));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    (new QVBoxLayout(_noBatteryView))->addWidget(message);
    _noBatteryView->hide();
}

void AMPSummaryMasterVC::refreshContentWithData(const CalibrationData& record) {
    if (record.batteryData().noBattery) {
        if (!_noBatteryViewOnDisplay)
            showNoBatteryView();
        return;
    }
    refreshRings(record);
    if (_controllerOnDisplay)
        _controllerOnDisplay->refreshContentWithData(record);
    _lastDataReceived = record;
}

void AMPSummaryMasterVC::refreshRings(const CalibrationData& record) {
    const BatteryData& battery = record.batteryData();
    _ui->batteryChargeButton->setValue(double(battery.currentChargePercentage));

    ValuedRingButton& capacity = *_ui->batteryCapacityButton;
    capacity.setColorSections(SummaryRings::capacitySections(battery.designCapacity));
    if (battery.designCapacity != 0 && battery.currectCapacity != 0)
        capacity.setValue(double(battery.currectCapacity));

    const SummaryRings::Health health = SummaryRings::health(battery.batteryHealth);
    _ui->batteryHealthButton->setDrawingTitle(health.title);
    _ui->batteryHealthButton->setDrawingColor(health.color);

    ValuedRingButton& days = *_ui->daysUntilCalibrationButton;
    const double period =
        _configuration.preferences().timeBetweenCalibrations() / CalibrationData::secondsInADay;
    days.setColorSections(SummaryRings::daysSections(period, days.value()));
    days.setValue(double(record.daysUntilNextCalibration(_dateProvider.now()).value_or(0)));

    const std::pair<RingButton*, QLabel*> rings[] = {
        {_ui->batteryChargeButton, _ui->batteryChargeRingLabel},
        {_ui->batteryCapacityButton, _ui->batteryCapacityRingLabel},
        {_ui->batteryHealthButton, _ui->batteryHealthRingLabel},
        {_ui->daysUntilCalibrationButton, _ui->daysTillCalibrationRingLabel}};
    for (const auto& [button, caption] : rings) {
        //: A ring's name for screen readers: its caption, then the text in the ring ("Charge 73%")
        button->setAccessibleName(tr("%1 %2").arg(caption->text(), button->ringText()));
        button->show();
    }
}

RingButton* AMPSummaryMasterVC::ringButton(Tab tab) const {
    switch (tab) {
    case Tab::charge:
        return _ui->batteryChargeButton;
    case Tab::capacity:
        return _ui->batteryCapacityButton;
    case Tab::health:
        return _ui->batteryHealthButton;
    case Tab::calibration:
        break;
    }
    return _ui->daysUntilCalibrationButton;
}

AMPRingBackgroundV* AMPSummaryMasterVC::ringBackground(Tab tab) const {
    switch (tab) {
    case Tab::charge:
        return _ui->ringViewBatteryCharge;
    case Tab::capacity:
        return _ui->ringViewBatteryCapacity;
    case Tab::health:
        return _ui->ringViewBatteryHealth;
    case Tab::calibration:
        break;
    }
    return _ui->ringViewBatteryDaysTillCalibration;
}

void AMPSummaryMasterVC::selectTab(int tab) {
    for (Tab ring : {Tab::charge, Tab::capacity, Tab::health, Tab::calibration}) {
        ringBackground(ring)->setSelected(int(ring) == tab);
        ringButton(ring)->setChecked(int(ring) == tab);
    }
}

void AMPSummaryMasterVC::ringButtonAction(Tab tab) {
    if (_tabOnDisplay == tab) {
        hideCurrentSubView();
        ringBackground(tab)->setSelected(false);
        ringButton(tab)->setChecked(false);
        return;
    }
    QWidget* view = _detailViews ? _detailViews->createDetailView(tab, _configuration) : nullptr;
    if (auto* subview = qobject_cast<AMPSumarySubviewVC*>(view))
        subview->suviewDelegate = this;
    showSubViewController(view);
    _tabOnDisplay = tab;
    selectTab(int(tab));
}

void AMPSummaryMasterVC::showSubViewController(QWidget* controller) {
    hideCurrentSubView();
    if (!controller)
        return;
    _subviewOnDisplay = controller;
    _ui->subviewsContainer->insertWidget(0, controller);
    _controllerOnDisplay = dynamic_cast<AMPBatteryDataAwareInterface*>(controller);
    if (_lastDataReceived && _controllerOnDisplay)
        _controllerOnDisplay->refreshContentWithData(*_lastDataReceived);
}

// The hidden view is deleted, so it stops receiving records too.
void AMPSummaryMasterVC::hideCurrentSubView() {
    _tabOnDisplay.reset();
    _controllerOnDisplay = nullptr;
    delete std::exchange(_subviewOnDisplay, nullptr);
    _ui->subviewsContainer->invalidate();
    adjustSize();
}

void AMPSummaryMasterVC::showNoBatteryView() {
    _noBatteryViewOnDisplay = true;
    PreferenceProvider& preferences = _configuration.preferences();
    preferences.setShowIcon(false);
    preferences.setShowPercentage(false);
    preferences.setShowTime(false);
    preferences.setUseVerticalIcons(false);
    preferences.setUseColoredStatusBarIcon(false);
    _noBatteryView->setAutoFillBackground(true);
    QPalette palette = _noBatteryView->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(1, 1, 1, 0.9f));
    _noBatteryView->setPalette(palette);
    _noBatteryView->setGeometry(0, kTitleBarHeight, width(), height() - kTitleBarHeight);
    _noBatteryView->raise();
    _noBatteryView->show();
    // The message is the first thing read when the popover opens.
    setFocusProxy(_noBatteryView);
    if (isActiveWindow())
        _noBatteryView->setFocus(Qt::OtherFocusReason);
}

void AMPSummaryMasterVC::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    _noBatteryView->setGeometry(0, kTitleBarHeight, width(), height() - kTitleBarHeight);
}

void AMPSummaryMasterVC::setRoom(const QSize& room) {
    _room = room;
    fitDetailArea();
}

void AMPSummaryMasterVC::fitDetailArea() {
    if (!_room)
        return;
    // Laid out first: wrapped captions make the rings taller than their size hint says.
    layout()->activate();
    const int above = _ui->detailScrollArea->geometry().top();
    _ui->detailScrollArea->setMaximumSize(_room->width(), qMax(0, _room->height() - above));
}

// Larger text takes more of the room above the detail area.
void AMPSummaryMasterVC::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        fitDetailArea();
}

void AMPSummaryMasterVC::menuPreferencesAction() {
    if (summaryMasterDelegate)
        summaryMasterDelegate->viewControllerRequestForPreferencesWindow(*this);
}

void AMPSummaryMasterVC::menuTutorialAction() {
    if (summaryMasterDelegate)
        summaryMasterDelegate->viewControllerRequestForTutorialWindow(*this);
}

void AMPSummaryMasterVC::quitAmpra() {
    QCoreApplication::quit();
}

void AMPSummaryMasterVC::subviewControllerRequestPostponeCalibration(AMPSumarySubviewVC&) {
    if (summaryMasterDelegate)
        summaryMasterDelegate->viewControllerRequestPostponeCalibration(*this);
}

void AMPSummaryMasterVC::subviewControllerRequestChargeLimitLift(AMPSumarySubviewVC&) {
    if (summaryMasterDelegate)
        summaryMasterDelegate->viewControllerRequestChargeLimitLift(*this);
}
