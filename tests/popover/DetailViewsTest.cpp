// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryHistory.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationStepsV.h"
#include "popover/AMPCalibrationTableDataProvider.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPCapacityVC.h"
#include "popover/AMPChargeVC.h"
#include "popover/AMPHealthVC.h"
#include "popover/AMPStepInfoVC.h"
#include "popover/AMPStepsVC.h"
#include "popover/AMPSumarySubviewVCDelegate.h"
#include "popover/CapacityChart.h"
#include "popover/ExpandCollapseButton.h"
#include "popover/PagedContainer.h"
#include "popover/WrappingLabel.h"
#include "shell/Translations.h"
#include "support/FakeDateProvider.h"
#include "support/LogCapture.h"
#include "support/ManualTimerProvider.h"
#include "support/PaintedAt.h"
#include "support/UiPart.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEnterEvent>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kStart(QDate(2024, 12, 6), QTime(12, 0), Qt::UTC);

// Snapshots every `days` from kStart, the capacity falling from 4800 by `fall` each time and the
// cycles counting from 100, and calibrations that many days after kStart (negative: before it).
struct Records {
    int snapshots;
    int days = 1;
    quint64 fall = 1;
    std::vector<int> calibrationDays = {};
};

void add(ManagedObjectContext& context, const Records& records) {
    for (int i = 0; i < records.snapshots; ++i) {
        BatteryStatusSnapshot snapshot(context);
        snapshot.setDate(kStart.addDays(qint64(i) * records.days));
        snapshot.setCapacity(4800 - records.fall * quint64(i));
        snapshot.setCycleCount(quint64(100 + i));
    }
    for (int day : records.calibrationDays)
        Calibration(context).setDate(kStart.addDays(day));
}

// The history of a store of its own holding the records.
BatteryHistory history(const Records& records) {
    QTemporaryDir dir;
    AppPersistance persistance{nullptr, dir.filePath(u"store"_s)};
    add(*persistance.managedObjectContext(), records);
    return *BatteryHistory::fetch(*persistance.managedObjectContext());
}

TEST(AMPChargeVCTest, WritesSourceStatusChargeAndTimeLeft) {
    const struct {
        PowerSourceType source;
        bool isCharged, isCharging;
        quint64 timeToEmpty;
        const char *powerSource, *status, *time; // none: the row is hidden
    } rows[] = {
        {PowerSourceType::acPowered, true, false, 0, "ac", "charged", "none"},
        // On mains and not full it charges, whatever the battery's own flag says.
        {PowerSourceType::acPowered, false, false, 0, "ac", "charging", "none"},
        {PowerSourceType::batteryPowered, false, false, 59, "battery", "discharging", "59m"},
        {PowerSourceType::unknownPower, false, true, 60, "battery", "discharging", "1h 0m"},
        {PowerSourceType::batteryPowered, false, false, 125, "battery", "discharging", "2h 5m"},
    };
    for (const auto& row : rows) {
        BatteryData battery;
        battery.powerSource = row.source;
        battery.isCharged = row.isCharged;
        battery.isCharging = row.isCharging;
        battery.timeToEmpty = row.timeToEmpty;
        battery.currentChargePercentage = 57;
        const AMPChargeVC::Content content = AMPChargeVC::contentForData(battery);
        SCOPED_TRACE(row.timeToEmpty);
        EXPECT_EQ(content.powerSource, u"chargevc_%1powersource_text"_s.arg(row.powerSource));
        EXPECT_EQ(content.batteryStatus, u"chargevc_%1_message"_s.arg(row.status));
        EXPECT_EQ(content.charge, u"57%"_s);
        EXPECT_EQ(content.timeRemaining.value_or(u"none"_s), QLatin1StringView(row.time));
    }

    // A charge limit on mains is told until the battery is charged, and so is its lift.
    BatteryData limited;
    limited.chargeLimit = 80;
    EXPECT_EQ(AMPChargeVC::contentForData(limited).batteryStatus, u"Charging stops at 80%"_s);
    limited.chargeLimit = 100;
    EXPECT_EQ(AMPChargeVC::contentForData(limited, 80).batteryStatus,
              u"Charging to 100% for the calibration, the 80% limit comes back afterwards"_s);
    limited.isCharged = true;
    EXPECT_EQ(AMPChargeVC::contentForData(limited).batteryStatus, u"chargevc_charged_message"_s);
}

QString cell(const QAbstractItemModel& table, int row, int column) {
    return table.data(table.index(row, column)).toString();
}

class DetailViewTest : public testing::Test {
protected:
    DetailViewTest() { configuration.setDataStore(&persistance); }

    void store(const Records& records) {
        add(*persistance.managedObjectContext(), records);
        ASSERT_TRUE(persistance.managedObjectContext()->save());
    }
    CalibrationData record() const {
        return {battery, CalibrationState::calibrated, AlgorithmState::initCalibration};
    }

    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{settings};
    AppPersistance persistance{&configuration, dir.filePath(u"com.vantrel.Ampra"_s)};
    BatteryData battery;
};

TEST_F(DetailViewTest, TimeRowLeavesAndComesBackOnTop) {
    AMPChargeVC view(configuration);
    EXPECT_EQ(uiPart<QLabel>(view, u"chargeValue"_s)->text(), u"no_data_text"_s);
    battery.powerSource = PowerSourceType::batteryPowered;
    const QWidget* timeRow = uiPart<QWidget>(view, u"timeRemainingView"_s);
    for (const uint64_t minutes : {0, 0, 45}) { // hidden twice over, then back
        battery.timeToEmpty = minutes;
        view.refreshContentWithData(record());
        EXPECT_EQ(view.isTimeReminingSectionHidden(), minutes == 0);
        EXPECT_EQ(uiPart<QVBoxLayout>(view, u"suviewStack"_s)->indexOf(timeRow), minutes ? 0 : -1);
    }
    EXPECT_EQ(uiPart<QLabel>(view, u"timeRemainingValue"_s)->text(), u"45m"_s);
}

TEST(AMPCapacityVCTest, ShowsCapacitiesOnlyAgainstAKnownDesign) {
    const struct {
        quint64 design, current;
        const char *original, *currentText; // none: not shown
    } rows[] = {{0, 4500, "none", "none"},
                {5000, 0, "5000", "none"},
                {5000, 4500, "5000", "4500 (90%)"},
                {5000, 5200, "5000", "5200 (104%)"}};
    for (const auto& row : rows) {
        BatteryData battery;
        battery.designCapacity = row.design;
        battery.currectCapacity = row.current;
        battery.cycleCount = 312;
        battery.designCycleCount = 1000;
        const AMPCapacityVC::Content content = AMPCapacityVC::contentForData(battery);
        SCOPED_TRACE(row.current);
        EXPECT_EQ(content.cyclesDone, u"312"_s);
        EXPECT_EQ(content.cyclesByDesign, u"1000"_s);
        EXPECT_EQ(content.originalCapacity.value_or(u"none"_s), QLatin1StringView(row.original));
        EXPECT_EQ(content.currentCapacity.value_or(u"none"_s), QLatin1StringView(row.currentText));
    }
}

TEST_F(DetailViewTest, HistoryListsTheNewestHundredSnapshots) {
    store({150});
    battery.designCapacity = 5000;
    AMPCapacityVC view(configuration);
    view.refreshContentWithData(record());
    const QAbstractItemModel& table = *uiPart<QTableView>(view, u"historyTable"_s)->model();
    ASSERT_EQ(table.rowCount(), 100);
    ASSERT_EQ(table.columnCount(), 3);
    EXPECT_EQ(cell(table, 0, 0),
              QLocale().toString(kStart.addDays(149).toLocalTime().date(), QLocale::ShortFormat));
    EXPECT_EQ(cell(table, 0, 1), u"4651 (93%)"_s);
    EXPECT_EQ(cell(table, 0, 2), u"249"_s);
    EXPECT_EQ(cell(table, 99, 2), u"150"_s);
    EXPECT_EQ(uiPart<CapacityChart>(view, u"capacityChart"_s)->content().points.size(), 150u);
}

// "Export…" saves the history where the file dialog says.
TEST_F(DetailViewTest, ExportWritesWhereTheDialogSays) {
    store({3});
    const QString file = dir.filePath(u"saved.csv"_s);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&file] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
        }
    });
    answer.start(10);
    AMPCapacityVC view(configuration);
    uiPart<QPushButton>(view, u"exportButton"_s)->click();
    ASSERT_TRUE(waitFor([&file] { return QFile::exists(file); }));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\nsnapshot,2024-12-0"), 3);
}

// The table takes the first design capacity for good, 0 too.
TEST_F(DetailViewTest, HistoryCellsWithoutDesignOrValuesOrStore) {
    ManagedObjectContext& context = *persistance.managedObjectContext();
    BatteryStatusSnapshot bare(context);
    BatteryStatusSnapshot full(context);
    full.setDate(QDateTime(QDate(2025, 3, 1), QTime(9, 0), Qt::LocalTime));
    full.setCapacity(4500);
    full.setCycleCount(12);
    ASSERT_TRUE(context.save());
    AMPCapacityVC view(configuration);
    battery.currectCapacity = 4500;
    view.refreshContentWithData(record());
    battery.designCapacity = 5000;
    view.refreshContentWithData(record());
    EXPECT_EQ(uiPart<QLabel>(view, u"currentCapacityValue"_s)->text(), u"4500 (90%)"_s);
    const QAbstractItemModel& table = *uiPart<QTableView>(view, u"historyTable"_s)->model();
    ASSERT_EQ(table.rowCount(), 2); // records without a date come last
    EXPECT_EQ(cell(table, 0, 1), u"4500"_s);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(cell(table, 1, column), u"-"_s);

    AmpraConfiguration storeless{settings};
    AMPCapacityVC empty(storeless);
    EXPECT_EQ(uiPart<QTableView>(empty, u"historyTable"_s)->model()->rowCount(), 0);
    EXPECT_TRUE(uiPart<CapacityChart>(empty, u"capacityChart"_s)->isHidden());
}

TEST_F(DetailViewTest, AtMostOneHelpBlockIsOpen) {
    AMPCapacityVC view(configuration);
    const auto at = [](QWidget& of, const char* name) {
        return uiPart<QVBoxLayout>(of, u"stackOfViews"_s)
            ->indexOf(uiPart<QWidget>(of, QLatin1StringView(name)));
    };
    auto* cycles = uiPart<ExpandCollapseButton>(view, u"expandCyclesButton"_s);
    auto* capacity = uiPart<ExpandCollapseButton>(view, u"expandCapacityButton"_s);
    EXPECT_EQ(at(view, "cyclesHelpView"), -1);
    // The button clicked, then whether the cycles' and the capacity's help show.
    const std::tuple<ExpandCollapseButton*, bool, bool> clicks[] = {
        {cycles, true, false}, {capacity, false, true}, {capacity, false, false}};
    for (const auto& [button, cyclesHelp, capacityHelp] : clicks) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(view.cyclesHelpOnDisplay(), cyclesHelp);
        EXPECT_EQ(view.capacityHelpOnDisplay(), capacityHelp);
        EXPECT_EQ(at(view, "cyclesHelpView"), cyclesHelp ? at(view, "cyclesView") + 1 : -1);
        EXPECT_EQ(at(view, "capacityHelpView"), capacityHelp ? at(view, "capacityView") + 1 : -1);
        EXPECT_EQ(cycles->isOpen(), cyclesHelp);
    }
    AMPHealthVC health(configuration);
    QTest::mouseClick(uiPart<ExpandCollapseButton>(health, u"expandHealthButton"_s),
                      Qt::LeftButton);
    EXPECT_EQ(at(health, "lifespanHelpView"), at(health, "healthView") + 1);
}

TEST(AMPHealthVCTest, PutsTheHealthIntoWords) {
    const Translations english{QLocale(QLocale::English)};
    const char* none = "Ampra has no cycle count or capacity";
    const struct {
        quint64 designCycles, cycles, design, current;
        const char *lifespan, *capacity;
    } rows[] = {
        {1000, 312, 5000, 4600, "80% of its original capacity and up to 1000 charge cycles.",
         "currently at 92%, and you have done 312 charge cycles."},
        {0, 1, 5000, 4600, "Ampra has no lifespan reading", "and you have done 1 charge cycle."},
        {1000, 0, 5000, 4600, "", none},
        {1000, 312, 0, 4600, "", none},
    };
    for (const auto& row : rows) {
        BatteryData battery;
        battery.designCycleCount = row.designCycles;
        battery.cycleCount = row.cycles;
        battery.designCapacity = row.design;
        battery.currectCapacity = row.current;
        const AMPHealthVC::Content content = AMPHealthVC::contentForData(battery);
        SCOPED_TRACE(row.capacity);
        EXPECT_THAT(content.lifespan.toStdString(), testing::HasSubstr(row.lifespan));
        EXPECT_THAT(content.capacity.toStdString(), testing::HasSubstr(row.capacity));
    }
    // No value and the battery's own "unknown" are told apart.
    EXPECT_NE(AMPHealthVC::ringExplanation(std::nullopt),
              AMPHealthVC::ringExplanation(BatteryHealthType::unknown));
    EXPECT_TRUE(AMPHealthVC::ringExplanation(BatteryHealthType::unknown).startsWith(u"\"-\""_s));
    EXPECT_TRUE(AMPHealthVC::ringExplanation(BatteryHealthType::check).startsWith(u"\"CHECK\""_s));
}

// The pointer entering or leaving the button.
void hover(ExpandCollapseButton& button, bool inside) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, inside ? static_cast<QEvent*>(&enter) : &leave);
}

// What a button like `like` draws with `image` whatever the pointer does; nothing for a name no
// resource has.
QImage drawing(const QWidget& like, const QString& image) {
    ExpandCollapseButton reference;
    reference.resize(like.size());
    reference.setImages(image, image);
    return reference.grab().toImage();
}

// Each image comes from a resource of its own: they differ from one another and from none.
TEST(ExpandCollapseButtonTest, ShowsTheHoverImageWhileThePointerIsInsideAndTakesKeys) {
    ExpandCollapseButton button;
    button.resize(button.sizeHint());
    button.show();
    QList<QImage> shown{button.grab().toImage()};
    hover(button, true);
    shown << button.grab().toImage();
    // Pressed under the pointer still shows the hover image; the click goes through.
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    button.setImagesForOpenBlock(true);
    shown << button.grab().toImage();
    hover(button, false);
    shown << button.grab().toImage() << drawing(button, u"none"_s);
    const QString names[] = {u"ExpandIcon"_s, u"ExpandIconHover"_s, u"CollapseIconHover"_s,
                             u"CollapseIcon"_s};
    for (int image = 0; image < 4; ++image) {
        EXPECT_TRUE(shown[image] == drawing(button, names[image])) << image;
        for (int other = image + 1; other < 5; ++other)
            EXPECT_TRUE(shown[image] != shown[other]) << image << " " << other;
    }
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
}

// A wrapped, selectable label remembers its heights, yet answers as a plain one after each change.
TEST(WrappingLabelTest, AnswersAsAPlainLabelAfterEachChange) {
    WrappingLabel wrapping;
    QLabel plain;
    const std::function<void(QLabel&)> changes[] = {
        [](QLabel& label) {
            label.setWordWrap(true);
            label.setTextInteractionFlags(Qt::TextSelectableByMouse);
            label.setText(u"Use your laptop until the charge falls under 15%."_s);
        },
        [](QLabel& label) { label.setText(label.text().repeated(3)); },
        [](QLabel& label) {
            QFont font = label.font();
            font.setPointSize(font.pointSize() * 2);
            label.setFont(font);
        },
        [](QLabel& label) { label.setContentsMargins(0, 10, 0, 10); },
        [](QLabel& label) { label.setIndent(40); },
        [](QLabel& label) { label.setWordWrap(false); },
    };
    for (const auto& change : changes) {
        change(wrapping);
        change(plain);
        for (int width : {80, 160, 320})
            EXPECT_EQ(wrapping.heightForWidth(width), plain.heightForWidth(width)) << width;
    }
}

TEST(CapacityChartTest, WorksOutRangesTicksAndMarks) {
    const struct {
        int snapshots, days;
        quint64 fall;
        bool calibrated; // before the first snapshot, within and after the last
        std::optional<quint64> design;
        quint64 lowest, highest;
        const char *capacityTicks, *dateTicks;
        std::optional<qreal> designHeight;
    } rows[] = {
        // Two years, monthly: six-monthly dates; the calibration before the first snapshot is
        // left out, the one after the last stretches the axis.
        {25, 30, 20, true, 5000, 4200, 5000, "4,200|4,400|4,600|4,800|5,000",
         "Jan 2025|Jul 2025|Jan 2026|Jul 2026|Jan 2027", 1.0},
        // Three weeks: weekly dates on Mondays; no design capacity, no reference line.
        {4, 7, 10, false, std::nullopt, 4770, 4800, "4,770|4,780|4,790|4,800",
         "12/9/24|12/16/24|12/23/24", std::nullopt},
        // One snapshot: a day either side and 5 % above and below; a design capacity of 0 is none.
        {1, 1, 0, false, 0, 4400, 5200, "4,400|4,600|4,800|5,000|5,200", "12/6/24|12/7/24",
         std::nullopt},
    };
    for (const auto& row : rows) {
        const Records records{row.snapshots, row.days, row.fall,
                              row.calibrated ? std::vector{-10, 375, 760} : std::vector<int>{}};
        const CapacityChartContent content = CapacityChartContent::forHistory(
            history(records), row.design, QLocale(QLocale::English, QLocale::UnitedStates));
        SCOPED_TRACE(row.snapshots);
        EXPECT_EQ(content.points.size(), size_t(row.snapshots));
        EXPECT_EQ(content.lowestCapacity, row.lowest);
        EXPECT_EQ(content.highestCapacity, row.highest);
        QStringList capacityTicks, dateTicks;
        for (const auto& tick : content.capacityTicks)
            capacityTicks << tick.label;
        for (const auto& tick : content.dateTicks)
            dateTicks << tick.label;
        EXPECT_EQ(capacityTicks.join(u'|'), QLatin1StringView(row.capacityTicks));
        EXPECT_EQ(dateTicks.join(u'|'), QLatin1StringView(row.dateTicks));
        const std::vector<qreal> calibrations =
            row.calibrated ? std::vector{375.0 / 760, 1.0} : std::vector<qreal>{};
        EXPECT_THAT(content.calibrations,
                    testing::Pointwise(testing::DoubleNear(1e-9), calibrations));
        EXPECT_EQ(content.designCapacity, row.designHeight);
        EXPECT_EQ(content.points.front().position.x(), row.snapshots > 1 ? 0 : 0.5);
    }
}

// The point under the pointer; Tab, then the arrow keys walk the points and a screen reader hears
// the one reached.
TEST_F(DetailViewTest, FindsAndWalksTheChartsPoints) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    store({3, 10, 5, {}}); // points at 0, 0.5 and 1
    CapacityChart chart;
    chart.setContext(persistance.managedObjectContext());
    const CapacityChartContent& content = chart.content();
    const std::tuple<qreal, qreal, std::optional<size_t>> near[] = {
        {-0.05, 0.1, 0}, {0.26, 0.1, std::nullopt}, {0.45, 0.1, 1},
        {0.74, 0.25, 1}, {0.76, 0.25, 2},           {1.2, 0.1, std::nullopt}};
    for (const auto& [x, tolerance, point] : near)
        EXPECT_EQ(content.pointNear(x, tolerance), point) << x;
    EXPECT_EQ(CapacityChart::pointText(content.points[1]),
              u"12/16/24\nCapacity: 4,795 mAh\nCycles: 101"_s);

    const QString summary = chart.accessibleDescription();
    chart.show();
    chart.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    chart.setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Left, "12/26/24"}, {Qt::Key_Left, "12/16/24"},  {Qt::Key_Home, "12/6/24"},
        {Qt::Key_Left, "12/6/24"},  {Qt::Key_Right, "12/16/24"}, {Qt::Key_End, "12/26/24"},
        {Qt::Key_Right, "12/26/24"}};
    for (const auto& [key, date] : keys) {
        QTest::keyClick(&chart, key);
        EXPECT_TRUE(chart.accessibleDescription().startsWith(QLatin1StringView(date))) << date;
    }
    chart.clearFocus();
    EXPECT_EQ(chart.accessibleDescription(), summary);
}

// The chart reads no more points than its pixels show.
TEST_F(DetailViewTest, ChartDrawsTwoYearsCrisplyAtBothScales) {
    store({730 / 3, 3, 2, {120, 400, 700}});
    auto manual = std::make_unique<ManualTimerProvider>();
    ManualTimerProvider& settled = *manual;
    CapacityChart chart(nullptr, std::move(manual));
    chart.setContext(persistance.managedObjectContext());
    chart.setDesignCapacity(5000);
    ASSERT_FALSE(chart.isHidden());
    EXPECT_TRUE(chart.accessibleDescription().contains(u"3 calibration"_s));
    // Shown at a width, it draws for that width at once; dragged wider, it reads the store once,
    // for the width it settles at.
    chart.hide();
    chart.resize(100, chart.sizeHint().height());
    chart.show();
    EXPECT_EQ(chart.content().points.size(), 182u);
    for (const int width : {150, 250, 408})
        chart.resize(width, chart.sizeHint().height());
    EXPECT_EQ(chart.content().points.size(), 182u);
    settled.fire();
    EXPECT_EQ(chart.content().points.size(), size_t(730 / 3));
}

class MockSummary : public AMPSumarySubviewVCDelegate {
public:
    MOCK_METHOD(void, subviewControllerRequestPostponeCalibration, (AMPSumarySubviewVC&),
                (override));
    MOCK_METHOD(void, subviewControllerRequestChargeLimitLift, (AMPSumarySubviewVC&), (override));
};

class CalibrationViewTest : public DetailViewTest {
protected:
    CalibrationViewTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        view = std::make_unique<AMPCalibrationVC>(configuration, clock);
        timer = view->stepsController()->findChild<QTimer*>();
        view->show();
        view->layout()->activate();
    }
    ~CalibrationViewTest() override { QLocale::setDefault(QLocale::c()); }

    void show(AlgorithmState state,
              CalibrationState schedule = CalibrationState::pendingCalibration,
              double remaining = 0) {
        CalibrationData data(battery, schedule, state);
        data.timeRemainingInRunningTimer = remaining;
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

    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    std::unique_ptr<AMPCalibrationVC> view;
    QTimer* timer = nullptr; // the strip's browsing timer
};

TEST_F(CalibrationViewTest, EachStateShowsItsStepTabsPageAndRemainingTime) {
    const struct {
        AlgorithmState state;
        uint64_t toFull, toEmpty;
        double timer;
        int step;
        const char* images;
        QStringList times;
    } rows[] = {
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
    for (const auto& row : rows) {
        battery.timeToFull = row.toFull;
        battery.timeToEmpty = row.toEmpty;
        show(row.state, CalibrationState::pendingCalibration, row.timer);
        SCOPED_TRACE(algorithmStateName(row.state));
        QStringList images;
        for (int tab = 0; tab < 6; ++tab) // "done", "current step"…: D, C…
            images << uiPart<QLabel>(*view, u"step%1Image"_s.arg(tab + 1))
                          ->accessibleName()[0]
                          .toUpper();
        EXPECT_EQ(images.join(u' '), QLatin1String(row.images));
        EXPECT_EQ(int(view->stepsController()->currentStep()), row.step);
        EXPECT_EQ(page(), row.step);
        const qreal marker = row.step == 0 ? AMPStepsVC::kHiddenTabShift : tabLeft(row.step);
        EXPECT_EQ(std::pair(strip().selectedTabShift(), strip().hoveredTabShift()),
                  std::pair(marker, marker));
        EXPECT_EQ(shownTimes(), row.times);
        paintedAt(*view, 2); // on a screen of two pixels per point
    }
}

TEST_F(CalibrationViewTest, TheNextDateIsTodayUntilItsCalendarDayComes) {
    const QDateTime now = clock.now();
    const QString today = AMPCalibrationVC::tr("today_summary_message");
    const std::pair<std::optional<QDateTime>, QString> rows[] = {
        {std::nullopt, u"..."_s},
        {now.addSecs(3600), today},
        {now, today},
        {now.addDays(-3), today},
        // Sixteen hours on is tomorrow already.
        {now.addSecs(16 * 3600), u"Mar 2, 2024"_s},
        {now.addDays(12).toUTC(), u"Mar 13, 2024"_s},
    };
    for (const auto& [date, text] : rows)
        EXPECT_EQ(AMPCalibrationVC::nextCalibrationDateText(date, now), text) << text.toStdString();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(AMPCalibrationVC::nextCalibrationDateText(now.addDays(1), now), u"2. März 2024"_s);
}

TEST_F(CalibrationViewTest, PostponingIsOfferedOnlyWhileACalibrationIsDue) {
    testing::StrictMock<MockSummary> summary;
    view->postponeAction(); // without a summary: nothing to ask
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
    const auto position = [&](const char* name) {
        return view->layout()->indexOf(view->part(name));
    };
    auto* history = view->findChild<QPushButton*>(u"showCalibHistoryButton"_s);
    EXPECT_EQ(history->text(), u"show_calibration_history_table"_s);
    // Each block's view and the one it opens under.
    const std::pair<const char*, const char*> blocks[] = {
        {"calibrationHelpView", "calibrationView"},
        {"stepsView", "calibrationView"},
        {"calibrationHistoryView", "showCalibrationHistoryView"},
        {"nextCalibrationHelpView", "nextCalibrationView"}};
    // An action, then the blocks open.
    const std::pair<void (AMPCalibrationVC::*)(), QStringList> steps[] = {
        {&AMPCalibrationVC::calibrationHelpAction, {"calibrationHelpView"}},
        {&AMPCalibrationVC::showCalibrationHistoryAction, {"stepsView", "calibrationHistoryView"}},
        {&AMPCalibrationVC::nextCalibrationHelpAction, {"stepsView", "nextCalibrationHelpView"}},
        {&AMPCalibrationVC::nextCalibrationHelpAction, {"stepsView"}}};
    for (const auto& [action, open] : steps) {
        (view.get()->*action)();
        for (const auto& [block, under] : blocks)
            EXPECT_EQ(position(block), open.contains(block) ? position(under) + 1 : -1) << block;
        EXPECT_EQ(view->stepsViewOnDisplay(), open.contains("stepsView"));
        EXPECT_EQ(history->text(), open.contains("calibrationHistoryView")
                                       ? u"hide_calibration_history_table"_s
                                       : u"show_calibration_history_table"_s);
        paintedAt(*view, 2);
    }
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
    EXPECT_EQ(timer->interval(), AMPStepsVC::kBrowsingSeconds * 1000);
    show(AlgorithmState::charging);
    EXPECT_EQ(page(), 4);
    QMetaObject::invokeMethod(timer, "timeout"); // the tick
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(steps.hovering());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(strip().hoveredTabShift(), tabLeft(1));

    // A sideways swipe turns the page and browses without a timer.
    QWheelEvent swipe(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {}, QPoint(-150, 0),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->pageController(), &swipe);
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(steps.hovering());
    EXPECT_FALSE(timer->isActive());
    show(AlgorithmState::fullyCharged);
    EXPECT_EQ(page(), 2);
    show(AlgorithmState::discharging);
    EXPECT_EQ(page(), 2);
}

// The arrow keys take the focus from step to step, each named for screen readers, while Tab
// reaches only the step shown; Escape ends browsing and goes on to close the popover.
TEST_F(CalibrationViewTest, TheArrowKeysBrowseFromTheCurrentStep) {
    show(AlgorithmState::discharging);
    const QList<QWidget*>& tabs = strip().viewsToTrack;
    EXPECT_EQ(tabs[3]->accessibleName(),
              u"Step 4 of 6, %1: current step"_s.arg(
                  view->findChild<QLabel*>(u"step4TitleLabel"_s)->text()));
    EXPECT_EQ(tabs[3]->accessibleDescription(), view->page(4)->instructions());
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Right, 5}, {Qt::Key_Right, 6}, {Qt::Key_Right, 6}, {Qt::Key_Left, 5}};
    for (const auto& [key, expected] : keys) {
        QTest::keyClick(&strip(), key);
        EXPECT_EQ(page(), expected);
        EXPECT_TRUE(view->stepsController()->hovering());
        EXPECT_EQ(strip().focusWidget(), tabs[expected - 1]);
        for (int tab = 0; tab < 6; ++tab)
            EXPECT_EQ(bool(tabs[tab]->focusPolicy() & Qt::TabFocus), tab == expected - 1);
    }
    EXPECT_TRUE(tabs[0]->accessibleName().endsWith(u": done"_s));
    QWidget* next = tabs[4]->nextInFocusChain(); // Tab from the step goes to its page
    while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(view.get()))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, view->page(5));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&strip(), &escape);
    EXPECT_FALSE(escape.isAccepted());
    QMetaObject::invokeMethod(timer, "timeout"); // the tick
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
    EXPECT_EQ(cell(table, 0, 0), u"2/29/24"_s);
    EXPECT_EQ(cell(table, 99, 0),
              QLocale().toString(clock.now().addDays(-100).date(), QLocale::ShortFormat));
    EXPECT_EQ(cell(table, 0, 1), u"4149"_s);
    EXPECT_EQ(cell(table, 0, 2), u"-"_s);
    EXPECT_EQ(cell(table, 1, 2), u"148"_s);
    battery.designCapacity = 5000;
    show(AlgorithmState::charging);
    EXPECT_EQ(cell(table, 0, 1), u"4149 (83%)"_s);

    // Without a store the fetch fails: a log line and no rows.
    AmpraConfiguration withoutStore(settings);
    LogCapture log("ui.calibrationtableprovider");
    AMPCalibrationTableDataProvider failing;
    failing.configuration = &withoutStore;
    failing.loadSnapshots();
    EXPECT_EQ(failing.rowCount(), 0);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_THAT(log.lines()[0].message,
                testing::StartsWith("Error fetching for list of calibrations: "));
}

// A laptop held at its 80 % limit: the first step would wait for ever, so it says why and lifts
// the limit where it can, or says how to lift it; without a limit it says nothing of it.
TEST_F(CalibrationViewTest, TheFirstStepExplainsAChargeLimitOrLiftsIt) {
    using Lift = CalibrationData::ChargeLimitLift;
    testing::StrictMock<MockSummary> summary;
    view->suviewDelegate = &summary;
    const QLabel& message = *view->page(1)->errorMessage();
    QPushButton& button = *view->page(1)->actionButton();
    const struct {
        uint64_t limit;
        Lift lift;
        const char* text; // empty: no message
        bool button;
    } rows[] = {
        {80, Lift::none, "(STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf)", false},
        {100, Lift::none, "", false},
        {80, Lift::offered, "at 80%, so the battery never gets full. Ampra can", true},
        {100, Lift::lifted, "to 100% for the calibration, the 80% limit comes back", false},
    };
    for (const auto& row : rows) {
        battery.chargeLimit = row.limit;
        CalibrationData data(battery, CalibrationState::pendingCalibration,
                             AlgorithmState::initCalibration);
        data.chargeLimitLift = row.lift;
        data.liftableChargeLimit = 80;
        view->refreshContentWithData(data);
        SCOPED_TRACE(row.text);
        EXPECT_EQ(!message.isHidden(), *row.text != '\0');
        EXPECT_THAT(message.text().toStdString(), testing::HasSubstr(row.text));
        EXPECT_EQ(!button.isHidden(), row.button);
    }
    EXPECT_EQ(button.text(), u"Charge to 100% for this calibration"_s);
    EXPECT_CALL(summary, subviewControllerRequestChargeLimitLift(testing::Ref(*view)));
    button.click();
}

} // namespace
