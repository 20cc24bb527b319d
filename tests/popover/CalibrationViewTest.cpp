// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationStepsV.h"
#include "popover/AMPCalibrationTableDataProvider.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPStepInfoVC.h"
#include "popover/AMPStepsVC.h"
#include "popover/AMPSumarySubviewVCDelegate.h"
#include "popover/PagedContainer.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/ManualTimerProvider.h"
#include "support/PaintedAt.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace {

class MockSummary : public AMPSumarySubviewVCDelegate {
public:
    MOCK_METHOD(void, subviewControllerRequestPostponeCalibration, (AMPSumarySubviewVC&),
                (override));
};

class CalibrationViewTest : public testing::Test {
protected:
    CalibrationViewTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        configuration.setDataStore(&dataStore);
        view = std::make_unique<AMPCalibrationVC>(configuration, clock);
        auto manual = std::make_unique<ManualTimerProvider>();
        timer = manual.get();
        view->stepsController()->setTimer(std::move(manual));
        view->show();
        view->layout()->activate();
    }
    ~CalibrationViewTest() override { QLocale::setDefault(QLocale::c()); }

    void show(AlgorithmState state,
              CalibrationState schedule = CalibrationState::pendingCalibration, double timer = 0) {
        CalibrationData data(battery, schedule, state);
        data.timeRemainingInRunningTimer = timer;
        data.nextCalibrationDate = clock.now();
        view->refreshContentWithData(data);
    }
    int page() const { return view->pageController()->currentIndex(); }
    AMPCalibrationStepsV& strip() const { return *view->stepsController()->stepStackV(); }
    qreal tabLeft(int step) const { return strip().viewsToTrack[step - 1]->x(); }
    // The pages whose remaining-time block shows, with its text.
    QStringList shownTimes() const {
        QStringList shown;
        for (int index = 0; index <= 6; ++index)
            if (!view->page(index)->watchView()->isHidden())
                shown << u"%1:%2"_s.arg(index).arg(view->page(index)->watchInfoText()->text());
        return shown;
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    AppPersistance dataStore{&configuration, dir.path()};
    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    BatteryData battery;
    std::unique_ptr<AMPCalibrationVC> view;
    ManualTimerProvider* timer = nullptr; // owned by the strip
};

TEST_F(CalibrationViewTest, EachStateShowsItsStepTabsPageAndRemainingTime) {
    struct Row {
        AlgorithmState state;
        uint64_t toFull, toEmpty;
        double timer;
        int step;
        const char* images;
        QStringList times;
    };
    const Row rows[] = {
        {AlgorithmState::fullyCharged, 0, 0, 5400, 2, "D C N N N N", {u"2:1h 30min"_s}},
        {AlgorithmState::calibrationDone, 0, 0, 0, 6, "D D D D D F", {}},
        {AlgorithmState::calibrationDone, 125, 0, 0, 6, "D D D D D F", {u"6:2h 5min"_s}},
        {AlgorithmState::computerOff, 0, 0, 0, 0, "N N N N N N", {}},
        {AlgorithmState::afterWakeUp, 0, 0, 0, 0, "N N N N N N", {}},
        {AlgorithmState::calibrationOff, 0, 0, 0, 0, "N N N N N N", {}},
        {AlgorithmState::initCalibration, 0, 0, 0, 1, "C N N N N N", {}},
        // The charging time has no block to show in.
        {AlgorithmState::charging, 40, 0, 0, 1, "C N N N N N", {}},
        {AlgorithmState::disconnectAdapter, 0, 0, 0, 3, "D D C N N N", {}},
        // Thirty hours: the hour counts within a day.
        {AlgorithmState::discharging, 0, 30 * 60, 0, 4, "D D D C N N", {u"4:6h 0min"_s}},
        {AlgorithmState::discharging, 0, 0, 0, 4, "D D D C N N", {}},
        {AlgorithmState::turnItOff, 0, 0, 0, 5, "D D D D C N", {}},
    };
    for (const Row& row : rows) {
        battery.timeToFull = row.toFull;
        battery.timeToEmpty = row.toEmpty;
        show(row.state, CalibrationState::pendingCalibration, row.timer);
        const QString trace = QString::fromLatin1(algorithmStateName(row.state));
        QStringList images;
        for (const QString& name : view->stepsController()->shownImageNames())
            images << name.mid(4, 1);
        EXPECT_EQ(images.join(u' '), QLatin1String(row.images)) << trace.toStdString();
        EXPECT_EQ(int(view->stepsController()->currentStep()), row.step) << trace.toStdString();
        EXPECT_EQ(page(), row.step) << trace.toStdString();
        const qreal marker = row.step == 0 ? AMPStepsVC::kHiddenTabShift : tabLeft(row.step);
        EXPECT_EQ(strip().selectedTabShift(), marker) << trace.toStdString();
        EXPECT_EQ(strip().hoveredTabShift(), marker) << trace.toStdString();
        EXPECT_EQ(shownTimes(), row.times) << trace.toStdString();
        paintedAt(*view, 2); // on a screen of two pixels per point
    }
}

TEST_F(CalibrationViewTest, TheNextDateIsTodayUntilItsCalendarDayComes) {
    const QDateTime now = clock.now();
    struct Row {
        std::optional<QDateTime> date;
        QString text;
    };
    const QString today = AMPCalibrationVC::tr("today_summary_message");
    const Row rows[] = {
        {std::nullopt, u"..."_s},
        {now.addSecs(3600), today},
        {now, today},
        {now.addDays(-3), today},
        // Sixteen hours on is tomorrow already.
        {now.addSecs(16 * 3600), u"Mar 2, 2024"_s},
        {now.addDays(12).toUTC(), u"Mar 13, 2024"_s},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AMPCalibrationVC::nextCalibrationDateText(row.date, now), row.text)
            << row.text.toStdString();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(AMPCalibrationVC::nextCalibrationDateText(now.addDays(1), now), u"2. März 2024"_s);
}

TEST_F(CalibrationViewTest, PostponingIsOfferedOnlyWhileACalibrationIsDue) {
    testing::StrictMock<MockSummary> summary;
    view->PostponeAction(); // without a summary: nothing to ask
    view->suviewDelegate = &summary;
    const std::pair<CalibrationState, bool> rows[] = {{CalibrationState::off, false},
                                                      {CalibrationState::calibrated, false},
                                                      {CalibrationState::pendingCalibration, true},
                                                      {CalibrationState::postponed, false}};
    auto* button = view->findChild<QPushButton*>(u"postponeButton"_s);
    for (const auto& [state, visible] : rows) {
        show(AlgorithmState::charging, state);
        EXPECT_EQ(!button->isHidden(), visible) << calibrationStateName(state);
        EXPECT_EQ(view->findChild<QLabel*>(u"calibrationText"_s)->text(),
                  AMPCalibrationVC::stateText(state));
    }
    EXPECT_CALL(summary, subviewControllerRequestPostponeCalibration(testing::Ref(*view)));
    button->click();
}

TEST_F(CalibrationViewTest, OneBlockOpensAtATimeAndTheHelpTakesTheStripsPlace) {
    using Block = AMPCalibrationVC::Block;
    auto* stack = view->layout();
    auto position = [&](const char* name) {
        return stack->indexOf(view->part(name));
    };
    auto* history = view->findChild<QPushButton*>(u"showCalibHistoryButton"_s);
    EXPECT_EQ(history->text(), u"show_calibration_history_table"_s);

    view->calibrationHelpAction();
    EXPECT_TRUE(view->isBlockOnDisplay(Block::calibrationHelp));
    EXPECT_EQ(position("calibrationHelpView"), position("calibrationView") + 1);
    EXPECT_FALSE(view->stepsViewOnDisplay());
    EXPECT_EQ(position("stepsView"), -1);

    view->showCalibrationHistoryAction();
    EXPECT_FALSE(view->isBlockOnDisplay(Block::calibrationHelp));
    EXPECT_EQ(position("calibrationHelpView"), -1);
    EXPECT_TRUE(view->stepsViewOnDisplay());
    EXPECT_EQ(position("stepsView"), position("calibrationView") + 1);
    EXPECT_EQ(position("calibrationHistoryView"), position("showCalibrationHistoryView") + 1);
    EXPECT_EQ(history->text(), u"hide_calibration_history_table"_s);
    paintedAt(*view, 2);

    view->nextCalibrationHelpAction();
    EXPECT_EQ(position("calibrationHistoryView"), -1);
    EXPECT_EQ(history->text(), u"show_calibration_history_table"_s);
    EXPECT_EQ(position("nextCalibrationHelpView"), position("nextCalibrationView") + 1);
    view->nextCalibrationHelpAction();
    EXPECT_FALSE(view->isBlockOnDisplay(Block::nextCalibrationHelp));
    EXPECT_EQ(position("nextCalibrationHelpView"), -1);
}

TEST_F(CalibrationViewTest, BrowsingHoldsThePageUntilThreeSecondsAfterThePointerLeft) {
    show(AlgorithmState::charging);
    AMPStepsVC& steps = *view->stepsController();
    const QPoint tab4 = strip().viewsToTrack[3]->geometry().center();
    ASSERT_EQ(strip().indexOfViewAt(tab4), 3);
    steps.viewDetectHoverOnViewAtIndex(strip(), strip().indexOfViewAt(tab4));
    for (int record = 0; record < 3; ++record) {
        show(AlgorithmState::charging);
        EXPECT_EQ(page(), 4);
        EXPECT_EQ(strip().hoveredTabShift(), tabLeft(4));
        EXPECT_EQ(strip().selectedTabShift(), tabLeft(1));
    }
    steps.viewStopHovering(strip());
    EXPECT_EQ(timer->period, AMPStepsVC::kBrowsingSeconds);
    show(AlgorithmState::charging);
    EXPECT_EQ(page(), 4);
    timer->fire();
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(steps.hovering());
    EXPECT_FALSE(timer->isTimerOn());
    EXPECT_EQ(strip().hoveredTabShift(), tabLeft(1));

    // A sideways swipe turns the page and browses without a timer.
    QWheelEvent swipe(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {}, QPoint(-150, 0),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->pageController(), &swipe);
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(steps.hovering());
    EXPECT_FALSE(timer->isTimerOn());
    show(AlgorithmState::fullyCharged);
    EXPECT_EQ(page(), 2);
    show(AlgorithmState::discharging);
    EXPECT_EQ(page(), 2);
}

TEST_F(CalibrationViewTest, TheArrowKeysBrowseFromTheCurrentStep) {
    show(AlgorithmState::discharging);
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Right, 5}, {Qt::Key_Right, 6}, {Qt::Key_Right, 6}, {Qt::Key_Left, 5}};
    for (const auto& [key, expected] : keys) {
        QTest::keyClick(&strip(), key);
        EXPECT_EQ(page(), expected);
        EXPECT_TRUE(view->stepsController()->hovering());
    }
    QTest::keyClick(&strip(), Qt::Key_Escape);
    timer->fire();
    EXPECT_EQ(page(), 4);
}

TEST_F(CalibrationViewTest, TheHistoryListsTheNewestHundredCalibrations) {
    ManagedObjectContext& context = *configuration.context();
    for (int day = 0; day < 150; ++day) {
        Calibration calibration(context);
        calibration.setDate(clock.now().addDays(day - 150));
        calibration.setCapacity(4000 + day);
        if (day != 149)
            calibration.setCycleCount(day);
    }
    ASSERT_TRUE(context.save());
    AMPCalibrationTableDataProvider& table = *view->tableDataProvider();
    table.loadSnapshots();
    ASSERT_EQ(table.rowCount(), 100);
    auto text = [&](int row, int column) {
        return table.data(table.index(row, column), Qt::DisplayRole).toString();
    };
    EXPECT_EQ(text(0, 0), u"2/29/24"_s);
    EXPECT_EQ(text(99, 0),
              QLocale().toString(clock.now().addDays(-100).date(), QLocale::ShortFormat));
    EXPECT_EQ(text(0, 1), u"4149"_s);
    EXPECT_EQ(text(0, 2), u"-"_s);
    EXPECT_EQ(text(1, 2), u"148"_s);
    battery.designCapacity = 5000;
    show(AlgorithmState::charging);
    EXPECT_EQ(text(0, 1), u"4149 (83%)"_s);
}

TEST(CalibrationHistoryTest, AFailedFetchIsLoggedAndLeavesTheHistoryEmpty) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(u"settings.json"_s));
    AmpraConfiguration withoutStore(store);
    LogCapture log("ui.calibrationtableprovider");
    AMPCalibrationTableDataProvider table;
    table.configuration = &withoutStore;
    table.loadSnapshots();
    EXPECT_EQ(table.rowCount(), 0);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_THAT(log.lines()[0].message,
                testing::StartsWith("Error fetching for list of calibrations: "));
}

// A laptop held at its 80 % limit: the first step would wait for ever, so it says why and how to
// lift the limit; without a limit it says nothing of it.
TEST_F(CalibrationViewTest, TheFirstStepExplainsAChargeLimit) {
    const QLabel& message = *view->page(1)->errorMessage();
    for (const uint64_t limit : {80, 100}) {
        battery.chargeLimit = limit;
        show(AlgorithmState::initCalibration);
        const bool explained = !message.isHidden() &&
                               message.text().contains(u"stops charging at 80%"_s) &&
                               message.text().contains(u"charge_control_end_threshold"_s) &&
                               message.text().contains(u"TLP"_s);
        EXPECT_EQ(explained, limit == 80);
    }
}

} // namespace
