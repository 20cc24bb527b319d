// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCapacityVC.h"
#include "popover/AMPChargeVC.h"
#include "popover/AMPHealthVC.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/DetailViewFactory.h"
#include "popover/RingButton.h"
#include "shell/Translations.h"
#include "support/FakeDateProvider.h"
#include "support/PaintedAt.h"
#include "ui_AMPCapacityVC.h"
#include "ui_AMPChargeVC.h"
#include "ui_AMPHealthVC.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ChargeRow {
    PowerSourceType source;
    bool isCharged;
    bool isCharging;
    quint64 timeToEmpty;
    const char* powerSource;
    const char* status;
    const char* time; // none: the row is hidden
};

TEST(AMPChargeVCTest, WritesSourceStatusChargeAndTimeLeft) {
    const ChargeRow rows[] = {
        {PowerSourceType::acPowered, true, false, 0, "chargevc_acpowersource_text",
         "chargevc_charged_message", nullptr},
        // On mains and not full it charges, whatever the battery's own flag says.
        {PowerSourceType::acPowered, false, false, 0, "chargevc_acpowersource_text",
         "chargevc_charging_message", nullptr},
        {PowerSourceType::batteryPowered, false, false, 59, "chargevc_batterypowersource_text",
         "chargevc_discharging_message", "59m"},
        {PowerSourceType::unknownPower, false, true, 60, "chargevc_batterypowersource_text",
         "chargevc_discharging_message", "1h 0m"},
        {PowerSourceType::batteryPowered, false, false, 125, "chargevc_batterypowersource_text",
         "chargevc_discharging_message", "2h 5m"},
    };
    for (const ChargeRow& row : rows) {
        BatteryData battery;
        battery.powerSource = row.source;
        battery.isCharged = row.isCharged;
        battery.isCharging = row.isCharging;
        battery.timeToEmpty = row.timeToEmpty;
        battery.currentChargePercentage = 57;
        const AMPChargeVC::Content content = AMPChargeVC::contentForData(battery);
        SCOPED_TRACE(row.timeToEmpty);
        EXPECT_EQ(content.powerSource, QLatin1StringView(row.powerSource));
        EXPECT_EQ(content.batteryStatus, QLatin1StringView(row.status));
        EXPECT_EQ(content.charge, u"57%"_s);
        EXPECT_EQ(content.timeRemaining.value_or(u"none"_s),
                  QLatin1StringView(row.time ? row.time : "none"));
    }

    // A charge limit on mains is told until the battery is charged.
    BatteryData limited;
    limited.chargeLimit = 80;
    EXPECT_EQ(AMPChargeVC::contentForData(limited).batteryStatus, u"Charging stops at 80%"_s);
    limited.isCharged = true;
    EXPECT_EQ(AMPChargeVC::contentForData(limited).batteryStatus, u"chargevc_charged_message"_s);
}

class DetailViewTest : public testing::Test {
protected:
    void SetUp() override { configuration.setDataStore(&persistance); }

    void storeSnapshots(int count, const QDateTime& first) {
        ManagedObjectContext& context = *persistance.managedObjectContext();
        for (int i = 0; i < count; ++i) {
            BatteryStatusSnapshot snapshot(context);
            snapshot.setDate(first.addDays(i));
            snapshot.setCapacity(5000 - quint64(i));
            snapshot.setCycleCount(quint64(i));
        }
        ASSERT_TRUE(context.save());
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
    const Ui::AMPChargeVC& ui = view.ui();
    EXPECT_EQ(ui.chargeValue->text(), u"no_data_text"_s);
    battery.powerSource = PowerSourceType::batteryPowered;
    battery.timeToEmpty = 0;
    for (int twice = 0; twice < 2; ++twice) {
        view.refreshContentWithData(record());
        EXPECT_TRUE(view.isTimeReminingSectionHidden());
        EXPECT_EQ(ui.suviewStack->indexOf(ui.timeRemainingView), -1);
        EXPECT_EQ(ui.batteryChargeBottomConstraint->sizeHint().height(), 12);
    }
    battery.timeToEmpty = 45;
    view.refreshContentWithData(record());
    EXPECT_FALSE(view.isTimeReminingSectionHidden());
    EXPECT_EQ(ui.suviewStack->indexOf(ui.timeRemainingView), 0);
    EXPECT_EQ(ui.timeRemainingValue->text(), u"45m"_s);
    EXPECT_EQ(ui.batteryChargeBottomConstraint->sizeHint().height(), 4);
}

TEST(AMPCapacityVCTest, ShowsCapacitiesOnlyAgainstAKnownDesign) {
    struct Row {
        quint64 design, current;
        std::optional<const char*> original, currentText;
    };
    const Row rows[] = {{0, 4500, std::nullopt, std::nullopt},
                        {5000, 0, "5000", std::nullopt},
                        {5000, 4500, "5000", "4500 (90%)"},
                        {5000, 5200, "5000", "5200 (104%)"}};
    for (const Row& row : rows) {
        BatteryData battery;
        battery.designCapacity = row.design;
        battery.currectCapacity = row.current;
        battery.cycleCount = 312;
        battery.designCycleCount = 1000;
        const AMPCapacityVC::Content content = AMPCapacityVC::contentForData(battery);
        SCOPED_TRACE(row.current);
        EXPECT_EQ(content.cyclesDone, u"312"_s);
        EXPECT_EQ(content.cyclesByDesign, u"1000"_s);
        EXPECT_EQ(content.originalCapacity.value_or(QString()),
                  QLatin1StringView(row.original.value_or("")));
        EXPECT_EQ(content.currentCapacity.value_or(QString()),
                  QLatin1StringView(row.currentText.value_or("")));
    }
}

TEST_F(DetailViewTest, CapacityViewKeepsWhatItShowedForAZeroDesign) {
    AMPCapacityVC view(configuration);
    battery.designCapacity = 0;
    battery.currectCapacity = 4500;
    view.refreshContentWithData(record());
    // The table takes the first design capacity for good.
    EXPECT_EQ(view.tableDataProvider().designCapacity(), std::optional<quint64>(0));
    battery.designCapacity = 5000;
    view.refreshContentWithData(record());
    EXPECT_EQ(view.ui().currentCapacityValue->text(), u"4500 (90%)"_s);
    EXPECT_EQ(view.tableDataProvider().designCapacity(), std::optional<quint64>(0));
}

TEST_F(DetailViewTest, HistoryListsTheNewestHundredSnapshots) {
    const QDateTime first(QDate(2025, 1, 1), QTime(12, 0), Qt::LocalTime);
    storeSnapshots(150, first);
    battery.designCapacity = 5000;
    AMPCapacityVC view(configuration);
    view.refreshContentWithData(record());
    const QAbstractItemModel& table = *view.ui().historyTable->model();
    ASSERT_EQ(table.rowCount(), 100);
    ASSERT_EQ(table.columnCount(), 3);
    const auto cell = [&table](int row, int column) {
        return table.data(table.index(row, column)).toString();
    };
    EXPECT_EQ(cell(0, 0), QLocale().toString(first.addDays(149).date(), QLocale::ShortFormat));
    EXPECT_EQ(cell(0, 1), u"4851 (97%)"_s);
    EXPECT_EQ(cell(0, 2), u"149"_s);
    EXPECT_EQ(cell(99, 2), u"50"_s);
    // The chart draws them all.
    EXPECT_EQ(view.ui().capacityChart->content().points.size(), 150u);
}

// "Export…" saves the history where the file dialog says.
TEST_F(DetailViewTest, ExportWritesWhereTheDialogSays) {
    storeSnapshots(3, QDateTime(QDate(2025, 1, 1), QTime(12, 0), Qt::UTC));
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
    view.ui().exportButton->click();
    ASSERT_TRUE(QTest::qWaitFor([&file] { return QFile::exists(file); }));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\nsnapshot,2025-01-0"), 3);
}

TEST_F(DetailViewTest, HistoryCellsWithoutDesignOrValuesOrStore) {
    ManagedObjectContext& context = *persistance.managedObjectContext();
    BatteryStatusSnapshot bare(context);
    BatteryStatusSnapshot full(context);
    full.setDate(QDateTime(QDate(2025, 3, 1), QTime(9, 0), Qt::LocalTime));
    full.setCapacity(4500);
    full.setCycleCount(12);
    ASSERT_TRUE(context.save());
    AMPCapacityVC view(configuration);
    const QAbstractItemModel& table = *view.ui().historyTable->model();
    ASSERT_EQ(table.rowCount(), 2); // records without a date come last
    EXPECT_EQ(table.data(table.index(0, 1)).toString(), u"4500"_s);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(table.data(table.index(1, column)).toString(), u"-"_s);

    AmpraConfiguration storeless{settings};
    AMPCapacityVC empty(storeless);
    EXPECT_EQ(empty.ui().historyTable->model()->rowCount(), 0);
    EXPECT_TRUE(empty.ui().capacityChart->isHidden());
}

TEST_F(DetailViewTest, AtMostOneHelpBlockIsOpen) {
    AMPCapacityVC view(configuration);
    const Ui::AMPCapacityVC& ui = view.ui();
    QVBoxLayout& stack = *ui.stackOfViews;
    EXPECT_EQ(stack.indexOf(ui.cyclesHelpView), -1);
    QTest::mouseClick(ui.expandCyclesButton, Qt::LeftButton);
    EXPECT_TRUE(view.cyclesHelpOnDisplay());
    EXPECT_EQ(stack.indexOf(ui.cyclesHelpView), stack.indexOf(ui.cyclesView) + 1);
    EXPECT_EQ(ui.expandCyclesButton->originalBackgroundImage(), u"CollapseIcon"_s);
    QTest::mouseClick(ui.expandCapacityButton, Qt::LeftButton);
    EXPECT_FALSE(view.cyclesHelpOnDisplay());
    EXPECT_TRUE(view.capacityHelpOnDisplay());
    EXPECT_EQ(stack.indexOf(ui.cyclesHelpView), -1);
    EXPECT_EQ(stack.indexOf(ui.capacityHelpView), stack.indexOf(ui.capacityView) + 1);
    EXPECT_EQ(ui.expandCyclesButton->originalBackgroundImage(), u"ExpandIcon"_s);
    QTest::mouseClick(ui.expandCapacityButton, Qt::LeftButton);
    EXPECT_FALSE(view.capacityHelpOnDisplay());
    EXPECT_EQ(stack.indexOf(ui.capacityHelpView), -1);
    AMPHealthVC health(configuration);
    QTest::mouseClick(health.ui().expandHealthButton, Qt::LeftButton);
    EXPECT_EQ(health.ui().stackOfViews->indexOf(health.ui().lifespanHelpView),
              health.ui().stackOfViews->indexOf(health.ui().healthView) + 1);
}

TEST(AMPHealthVCTest, PutsTheHealthIntoWords) {
    const Translations english{QLocale(QLocale::English)};
    struct Row {
        quint64 designCycles, cycles, design, current;
        const char* lifespan;
        const char* capacity;
    };
    const Row rows[] = {
        {1000, 312, 5000, 4600,
         "Lifespan: your laptop battery is designed to retain up to 80% of its original capacity "
         "and up to 1000 charge cycles.",
         "Your battery capacity is currently at 92%, and you have done 312 charge cycles."},
        {0, 312, 5000, 4600, "Ampra has no lifespan reading from this battery yet.",
         "Your battery capacity is currently at 92%, and you have done 312 charge cycles."},
        {1000, 0, 5000, 4600, nullptr,
         "Ampra has no cycle count or capacity from this battery yet."},
        {1000, 312, 0, 4600, nullptr,
         "Ampra has no cycle count or capacity from this battery yet."},
    };
    for (const Row& row : rows) {
        BatteryData battery;
        battery.designCycleCount = row.designCycles;
        battery.cycleCount = row.cycles;
        battery.designCapacity = row.design;
        battery.currectCapacity = row.current;
        const AMPHealthVC::Content content = AMPHealthVC::contentForData(battery);
        SCOPED_TRACE(row.capacity);
        if (row.lifespan) {
            EXPECT_EQ(content.lifespan, QLatin1StringView(row.lifespan));
        }
        EXPECT_EQ(content.capacity, QLatin1StringView(row.capacity));
    }
    // No value and the battery's own "unknown" are told apart.
    EXPECT_NE(AMPHealthVC::ringExplanation(std::nullopt),
              AMPHealthVC::ringExplanation(BatteryHealthType::unknown));
    EXPECT_TRUE(AMPHealthVC::ringExplanation(BatteryHealthType::unknown).startsWith(u"\"-\""_s));
    EXPECT_TRUE(AMPHealthVC::ringExplanation(BatteryHealthType::check).startsWith(u"\"CHECK\""_s));
}

// A ring clicked after a record has arrived opens its view filled from that record; each view
// paints on a screen of two pixels per point.
TEST_F(DetailViewTest, RingsOpenTheirViewsFilledAtOnce) {
    storeSnapshots(40, QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
    FakeDateProvider clock;
    DetailViewFactory factory(clock);
    AMPSummaryMasterVC summary(configuration, clock, &factory);
    battery.currentChargePercentage = 57;
    summary.refreshContentWithData(record());
    using Tab = AMPDetailViewFactory::Tab;
    for (Tab tab : {Tab::charge, Tab::capacity, Tab::health, Tab::calibration}) {
        QTest::mouseClick(summary.ringButton(tab), Qt::LeftButton);
        auto* view = dynamic_cast<QWidget*>(summary.controllerOnDisplay());
        ASSERT_TRUE(view);
        paintedAt(*view, 2);
    }
    QTest::mouseClick(summary.ringButton(Tab::charge), Qt::LeftButton);
    EXPECT_EQ(dynamic_cast<AMPChargeVC&>(*summary.controllerOnDisplay()).ui().chargeValue->text(),
              u"57%"_s);
}

} // namespace
