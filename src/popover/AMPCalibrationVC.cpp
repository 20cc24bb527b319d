// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPCalibrationVC.h"

#include "AMPCalibrationStepsV.h"
#include "AMPCalibrationTableDataProvider.h"
#include "AMPStepInfoVC.h"
#include "AMPStepsVC.h"
#include "AMPSumarySubviewVCDelegate.h"
#include "HistoryExportDialog.h"
#include "PagedContainer.h"
#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "calibration/DateProvider.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"
#include "ui_AMPCalibrationVC.h"

#include <QLocale>
#include <QRegularExpression>
#include <functional>

using namespace Qt::StringLiterals;

// A resource of a static library is registered by hand.
static void registerStepImages() {
    Q_INIT_RESOURCE(calibration);
}

namespace {

// The pages whose steps have a measured duration, by step.
constexpr CalibrationStep kTimedSteps[] = {CalibrationStep::step2, CalibrationStep::step4,
                                           CalibrationStep::step5, CalibrationStep::step6};

// The locale's long date without the weekday and with the month abbreviated: "Jan 12, 2017".
QString mediumDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(u"d{4}[^dMy']*"_s));
    format.replace(u"MMMM"_s, u"MMM"_s);
    return format.trimmed();
}

int wholeUnits(double seconds, double unit) {
    return qMax(1, qRound(seconds / unit));
}

QString percentText(uint64_t percentage) {
    return DetailViewTexts::percent(double(percentage) / 100);
}

QString hoursText(double seconds) {
    //: A duration in whole hours
    return AMPCalibrationVC::tr("%n hour(s)", "", wholeUnits(seconds, 3600));
}

} // namespace

struct AMPCalibrationVC::BlockParts {
    QWidget* view;
    QWidget* anchor;
    bool* onDisplay;
    // Puts the block's button in its closed or open form.
    std::function<void(bool open)> showButtonOpen;
};

AMPCalibrationVC::AMPCalibrationVC(GlobalConfigurationProvider& configuration,
                                   const DateProvider& dateProvider, QWidget* parent)
    : AMPSumarySubviewVC(parent)
    , _ui(std::make_unique<Ui::AMPCalibrationVC>())
    , _configuration(configuration)
    , _dateProvider(dateProvider)
    , _tableDataProvider(new AMPCalibrationTableDataProvider(this)) {
    registerStepImages();
    _ui->setupUi(this);
    viewDidLoad();
}

AMPCalibrationVC::~AMPCalibrationVC() = default;

void AMPCalibrationVC::viewDidLoad() {
    _tableDataProvider->configuration = &_configuration;
    _tableDataProvider->attach(*_ui->calibrationHistoryTable, *_ui->tableDescriptionText);
    _tableDataProvider->loadSnapshots();

    for (QLabel* label : {_ui->calibrationDateLabel, _ui->calibrationTableLabel})
        AmpraStyleKit::basicLabelAttributedStringWithValue(label->text()).applyTo(*label);
    AmpraStyleKit::basicValueAttributedStringWithValue(DetailViewTexts::noDataText())
        .applyTo(*_ui->calibrationDateValue);

    makePages();
    connect(_ui->pageController, &PagedContainer::didTransitionToIndex, this,
            &AMPCalibrationVC::pageControllerDidTransitionToIndex);
    _ui->stepsController->stepDelegate = this;

    fillTexts();
    _ui->postponeButton->hide();
    connect(_ui->postponeButton, &QPushButton::clicked, this, &AMPCalibrationVC::postponeAction);
    connect(_pages[int(CalibrationStep::step1)]->actionButton(), &QPushButton::clicked, this,
            &AMPCalibrationVC::chargeToFullAction);
    connect(_ui->showCalibHistoryButton, &QPushButton::clicked, this,
            &AMPCalibrationVC::showCalibrationHistoryAction);
    connect(_ui->exportButton, &QPushButton::clicked, this,
            [this] { HistoryExportDialog::open(*this, _configuration.context()); });
    connect(_ui->expandCalibDateButton, &QAbstractButton::clicked, this,
            &AMPCalibrationVC::nextCalibrationHelpAction);
    connect(_ui->expandCalibInfoButton, &QAbstractButton::clicked, this,
            &AMPCalibrationVC::calibrationHelpAction);
    for (Block block :
         {Block::nextCalibrationHelp, Block::calibrationHelp, Block::calibrationHistory}) {
        const BlockParts blockParts = parts(block);
        _ui->mainStackOfViews->removeWidget(blockParts.view);
        blockParts.view->hide();
        blockParts.showButtonOpen(false);
    }
}

void AMPCalibrationVC::fillTexts() {
    const PreferenceProvider& preferences = _configuration.preferences();
    const int intervalDays = wholeUnits(preferences.timeBetweenCalibrations(), 86400);
    const int postponeDays = wholeUnits(preferences.postponedCalibationInterval(), 86400);
    //: Help about the next calibration date: how often a calibration is suggested
    _ui->nextCalibrationHelpText1->setText(
        tr("Ampra suggests a calibration every %n day(s), counted from the last one completed.", "",
           intervalDays));
    //: Help about the next calibration date: what postponing does
    _ui->nextCalibrationHelpText2->setText(
        tr("While a calibration is due you can postpone it by %n day(s). Ampra will not remind "
           "you of it until then.",
           "", postponeDays));
    //: Help about calibration: the six steps in one sentence (%1 and %3: durations in hours,
    //: %2 and %4: charge levels)
    _ui->calibrationHelpText2->setText(
        tr("Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery "
           "until the charge is under %2, suspend or switch off the laptop for %3, and come back "
           "with the charge still under %4.")
            .arg(hoursText(preferences.minimumTimeInFullyCharged()),
                 percentText(preferences.chargePercentageForComputerOff()),
                 hoursText(preferences.minimumTimeInComputerOff()),
                 percentText(preferences.chargePercentageAfterComputerOff())));
    for (QLabel* title : {_ui->nextCalibrationHelpTitle1, _ui->nextCalibrationHelpTitle2,
                          _ui->nextCalibrationHelpTitle3, _ui->calibrationHelpTitle1,
                          _ui->calibrationHelpTitle2, _ui->calibrationHelpTitle3})
        AmpraStyleKit::helpTitleAttributedStringWithValue(title->text()).applyTo(*title);
    for (QLabel* text :
         {_ui->nextCalibrationHelpText1, _ui->nextCalibrationHelpText2, _ui->calibrationHelpText1,
          _ui->calibrationHelpText2, _ui->calibrationHelpText3})
        AmpraStyleKit::helpTextAttributedStringWithValue(text->text()).applyTo(*text);

    //: The button that puts a due calibration off
    _ui->postponeButton->setText(tr("Postpone %n day(s)", "", postponeDays));
    //: The button in calibration step 1 that lifts the laptop's charge limit until the
    //: calibration ends (%1: 100%)
    _pages[int(CalibrationStep::step1)]->actionButton()->setText(
        tr("Charge to %1 for this calibration").arg(percentText(100)));
}

std::vector<std::array<QString, 3>>
AMPCalibrationVC::stepTexts(const PreferenceProvider& preferences) {
    const QString rest = hoursText(preferences.minimumTimeInComputerOff());
    const QString lowCharge = percentText(preferences.chargePercentageForComputerOff());
    const QString afterRest = percentText(preferences.chargePercentageAfterComputerOff());
    //: Calibration steps 4 and 5: the charger
    const QString keepUnplugged = tr("Keep the charger unplugged.");
    return {
        {//: Calibration page shown while no step is under way
         tr("No calibration step is under way right now."),
         //: Calibration page shown while no step is under way: what Ampra does meanwhile
         tr("Ampra follows your battery and shows here what to do as soon as a step begins."),
         {}},
        {//: Calibration step 1: what the step is
         tr("Step 1: plug in the charger."),
         //: Calibration step 1: the charger
         tr("Connect your laptop to its charger and let the battery charge to %1.")
             .arg(percentText(100)),
         //: Calibration step 1: the laptop
         tr("You can go on working while it charges.")},
        {//: Calibration step 2: what the step is
         tr("Step 2: keep the charger connected."),
         //: Calibration step 2: the charger
         tr("The battery is full. Leave the charger plugged in for %1 more.")
             .arg(hoursText(preferences.minimumTimeInFullyCharged())),
         //: Calibration step 2: the laptop
         tr("Keep using your laptop as usual.")},
        {//: Calibration step 3: what the step is
         tr("Step 3: unplug the charger."),
         //: Calibration step 3: the charger
         tr("Disconnect the charger now."),
         //: Calibration step 3: the laptop
         tr("Leave the laptop switched on: it runs on battery from now on.")},
        {//: Calibration step 4: what the step is
         tr("Step 4: work on battery."), keepUnplugged,
         //: Calibration step 4: the laptop (%1: a charge level)
         tr("Use your laptop until the charge falls under %1. Ampra tells you when it is time "
            "for the next step.")
             .arg(lowCharge)},
        {//: Calibration step 5: what the step is
         tr("Step 5: let the laptop rest."), keepUnplugged,
         //: Calibration step 5: the laptop (%1: a duration in hours)
         tr("Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it "
            "so for %1.")
             .arg(rest)},
        {//: Calibration step 6: what the step is
         tr("Step 6: the calibration is done."),
         //: Calibration step 6: the charger
         tr("You can plug the charger in again."),
         //: Calibration step 6: the laptop (%1: a charge level)
         tr("The charge was still under %1 after the rest: your battery is calibrated.")
             .arg(afterRest)},
    };
}

void AMPCalibrationVC::makePages() {
    const auto texts = stepTexts(_configuration.preferences());
    for (const auto& text : texts) {
        auto* page = new AMPStepInfoVC(text[0], text[1], text[2], _ui->pageController);
        _pages.append(page);
        _ui->pageController->addWidget(page);
    }
    // Choosing a step with the arrow keys reads what to do in it; Tab goes on to its page.
    const QList<QWidget*>& tabs = _ui->stepsController->stepStackV()->viewsToTrack;
    for (int tab = 0; tab < tabs.size(); ++tab)
        tabs[tab]->setAccessibleDescription(_pages[tab + 1]->instructions());
    QWidget* before = tabs.last();
    for (AMPStepInfoVC* page : std::as_const(_pages))
        setTabOrder(std::exchange(before, page), page);
}

CalibrationStep AMPCalibrationVC::stepForState(AlgorithmState state) {
    switch (state) {
    case AlgorithmState::initCalibration:
    case AlgorithmState::charging:
        return CalibrationStep::step1;
    case AlgorithmState::fullyCharged:
        return CalibrationStep::step2;
    case AlgorithmState::disconnectAdapter:
        return CalibrationStep::step3;
    case AlgorithmState::discharging:
        return CalibrationStep::step4;
    case AlgorithmState::turnItOff:
        return CalibrationStep::step5;
    case AlgorithmState::calibrationDone:
        return CalibrationStep::step6;
    case AlgorithmState::calibrationOff:
    case AlgorithmState::computerOff:
    case AlgorithmState::afterWakeUp:
        break;
    }
    return CalibrationStep::noStep;
}

QString AMPCalibrationVC::remainingTimeText(double seconds) {
    const qint64 minutes = qint64(seconds) / 60;
    const QLocale locale;
    //: Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min
    return tr("%1h %2min").arg(locale.toString((minutes / 60) % 24), locale.toString(minutes % 60));
}

QString AMPCalibrationVC::nextCalibrationDateText(const std::optional<QDateTime>& date,
                                                  const QDateTime& now) {
    if (!date)
        return u"..."_s;
    const QDate day = date->toLocalTime().date();
    if (day > now.toLocalTime().date()) {
        const QLocale locale;
        return locale.toString(day, mediumDateFormat(locale));
    }
    //: Shown as the next calibration date when the calibration is due today or overdue
    return tr("today_summary_message");
}

QString AMPCalibrationVC::stateText(CalibrationState state) {
    switch (state) {
    case CalibrationState::calibrated:
        //: Calibrated text
        return tr("It's not necessary to calibrate your battery right now. Anyway, if you want to "
                  "do it, just follow the next step to progress through the calibration process");
    case CalibrationState::pendingCalibration:
        //: PendingCalibration text
        return tr("Your battery needs to be calibrated. Follow the next step below to progress "
                  "through the calibration progress. If you prefer not to be botherred by "
                  "messages, you can postpone the calibration to next week.");
    case CalibrationState::postponed:
        //: Postponed text
        return tr("The calibration is postponed. Anyway, if you want to do it, just follow the "
                  "next step to progress through the calibration process");
    case CalibrationState::off:
        break;
    }
    //: Calibration off text
    return tr("Calibraton is disabled.");
}

bool AMPCalibrationVC::isPostponeVisible(CalibrationState state) {
    return state == CalibrationState::pendingCalibration;
}

void AMPCalibrationVC::refreshContentWithData(const CalibrationData& record) {
    _tableDataProvider->setDesignCapacity(record.batteryData().designCapacity);
    AmpraStyleKit::basicValueAttributedStringWithValue(
        nextCalibrationDateText(record.nextCalibrationDate, _dateProvider.now()))
        .applyTo(*_ui->calibrationDateValue);
    AmpraStyleKit::basicLabelAttributedStringWithValue(stateText(record.calibrationState))
        .applyTo(*_ui->calibrationText);
    _ui->stepsController->setCurrentStep(stepForState(record.calibrationAlgorithmState));
    showRemainingTime(record.timeRemainingInCurrentStep());
    showChargeLimit(record);
    _ui->postponeButton->setVisible(isPostponeVisible(record.calibrationState));
    update();
    if (QWidget* top = window())
        top->adjustSize();
}

void AMPCalibrationVC::showRemainingTime(std::optional<double> seconds) {
    const CalibrationStep current = _ui->stepsController->currentStep();
    for (CalibrationStep step : kTimedSteps) {
        AMPStepInfoVC* page = _pages[int(step)];
        const bool shown = seconds && step == current;
        if (shown)
            AmpraStyleKit::StepsInformationAttributedStringWithValue(remainingTimeText(*seconds))
                .applyTo(*page->watchInfoText());
        page->watchView()->setVisible(shown);
    }
}

// The first step would wait for a full charge that never comes.
void AMPCalibrationVC::showChargeLimit(const CalibrationData& record) {
    AMPStepInfoVC& page = *_pages[int(CalibrationStep::step1)];
    const std::optional<QString> text = chargeLimitText(record);
    page.errorMessage()->setVisible(text.has_value());
    if (text)
        AmpraStyleKit::StepsInformationAttributedStringWithValue(*text).applyTo(
            *page.errorMessage());
    page.actionButton()->setVisible(record.chargeLimitLift ==
                                    CalibrationData::ChargeLimitLift::offered);
}

std::optional<QString> AMPCalibrationVC::chargeLimitText(const CalibrationData& record) {
    switch (record.chargeLimitLift) {
    case CalibrationData::ChargeLimitLift::lifted:
        return DetailViewTexts::chargeLimitLifted(record.liftableChargeLimit);
    case CalibrationData::ChargeLimitLift::offered:
        //: Calibration step 1 when Ampra can lift the laptop's charge limit, above the button
        //: that does it (%1: the limit, a charge level such as 80%)
        return tr("This laptop stops charging at %1, so the battery never gets full. Ampra can "
                  "lift the limit until the calibration ends.")
            .arg(percentText(record.liftableChargeLimit));
    case CalibrationData::ChargeLimitLift::none:
        break;
    }
    const uint64_t limit = record.batteryData().chargeLimit;
    if (limit < 100)
        return chargeLimitText(limit);
    return std::nullopt;
}

QString AMPCalibrationVC::chargeLimitText(uint64_t limit) {
    //: Calibration step 1 when the laptop stops charging early (%1: a charge level such as
    //: 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf,
    //: charge_control_end_threshold and /sys/class/power_supply as they are.
    return tr("This laptop stops charging at %1, so the battery never gets full and the "
              "calibration cannot go on. Lift the limit until the calibration is done: in your "
              "desktop's power settings or the laptop maker's tool, in TLP "
              "(STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to "
              "charge_control_end_threshold in the battery's folder under "
              "/sys/class/power_supply.")
        .arg(percentText(limit));
}

void AMPCalibrationVC::postponeAction() {
    if (suviewDelegate)
        suviewDelegate->subviewControllerRequestPostponeCalibration(*this);
}

void AMPCalibrationVC::chargeToFullAction() {
    if (suviewDelegate)
        suviewDelegate->subviewControllerRequestChargeLimitLift(*this);
}

void AMPCalibrationVC::showCalibrationHistoryAction() {
    toggleBlock(Block::calibrationHistory);
}

void AMPCalibrationVC::nextCalibrationHelpAction() {
    toggleBlock(Block::nextCalibrationHelp);
}

void AMPCalibrationVC::calibrationHelpAction() {
    toggleBlock(Block::calibrationHelp);
}

void AMPCalibrationVC::controllerStopHovering() {
    choosePage(_ui->stepsController->currentStep(), false);
}

void AMPCalibrationVC::pageControllerDidTransitionToIndex(int index) {
    _ui->stepsController->browseStep(CalibrationStep(index));
}

void AMPCalibrationVC::stepsControllerDidSelectStep(AMPStepsVC&, CalibrationStep step) {
    choosePage(step, false);
}

void AMPCalibrationVC::stepsControllerDidHoverStep(AMPStepsVC&, CalibrationStep step) {
    choosePage(step, true);
}

void AMPCalibrationVC::choosePage(CalibrationStep step, bool force) {
    if ((!force && _ui->stepsController->hovering()) || step == CalibrationStep::stepUndefined)
        return;
    _ui->pageController->slideToIndex(int(step));
}

bool AMPCalibrationVC::isBlockOnDisplay(Block block) const {
    switch (block) {
    case Block::nextCalibrationHelp:
        return _nextCalibrationHelpOnDisplay;
    case Block::calibrationHelp:
        return _calibrationHelpOnDisplay;
    case Block::calibrationHistory:
        break;
    }
    return _calibrationHistoryOnDisplay;
}

AMPStepsVC* AMPCalibrationVC::stepsController() const {
    return _ui->stepsController;
}

PagedContainer* AMPCalibrationVC::pageController() const {
    return _ui->pageController;
}

QWidget* AMPCalibrationVC::part(const char* name) const {
    return findChild<QWidget*>(QLatin1StringView(name));
}

AMPCalibrationVC::BlockParts AMPCalibrationVC::parts(Block block) {
    switch (block) {
    case Block::nextCalibrationHelp:
        return {_ui->nextCalibrationHelpView, _ui->nextCalibrationView,
                (&_nextCalibrationHelpOnDisplay), [button = _ui->expandCalibDateButton](bool open) {
                    button->setImagesForOpenBlock(open);
                }};
    case Block::calibrationHelp:
        return {_ui->calibrationHelpView, _ui->calibrationView, (&_calibrationHelpOnDisplay),
                [button = _ui->expandCalibInfoButton](bool open) {
                    button->setImagesForOpenBlock(open);
                }};
    case Block::calibrationHistory:
        break;
    }
    return {_ui->calibrationHistoryView, _ui->showCalibrationHistoryView,
            (&_calibrationHistoryOnDisplay), [button = _ui->showCalibHistoryButton](bool open) {
                //: The button that hides the calibration history table
                const QString hide = tr("hide_calibration_history_table");
                //: The button that shows the calibration history table
                const QString show = tr("show_calibration_history_table");
                button->setText(open ? hide : show);
            }};
}

void AMPCalibrationVC::toggleBlock(Block block) {
    if (isBlockOnDisplay(block))
        closeBlock(block);
    else
        openBlock(block);
}

void AMPCalibrationVC::openBlock(Block block) {
    for (Block other :
         {Block::nextCalibrationHelp, Block::calibrationHelp, Block::calibrationHistory})
        if (isBlockOnDisplay(other))
            closeBlock(other);
    const BlockParts blockParts = parts(block);
    // The calibration help takes the place of the step strip.
    if (block == Block::calibrationHelp && _stepsViewOnDisplay) {
        _ui->mainStackOfViews->removeWidget(_ui->stepsView);
        _ui->stepsView->hide();
        _stepsViewOnDisplay = false;
    }
    _ui->mainStackOfViews->insertWidget(_ui->mainStackOfViews->indexOf(blockParts.anchor) + 1,
                                        blockParts.view);
    blockParts.view->show();
    *blockParts.onDisplay = true;
    blockParts.showButtonOpen(true);
    if (QWidget* top = window())
        top->adjustSize();
}

void AMPCalibrationVC::closeBlock(Block block) {
    const BlockParts blockParts = parts(block);
    _ui->mainStackOfViews->removeWidget(blockParts.view);
    blockParts.view->hide();
    *blockParts.onDisplay = false;
    blockParts.showButtonOpen(false);
    if (block == Block::calibrationHelp && !_stepsViewOnDisplay) {
        _ui->mainStackOfViews->insertWidget(
            _ui->mainStackOfViews->indexOf(_ui->calibrationView) + 1, _ui->stepsView);
        _ui->stepsView->show();
        _stepsViewOnDisplay = true;
    }
    if (QWidget* top = window())
        top->adjustSize();
}
