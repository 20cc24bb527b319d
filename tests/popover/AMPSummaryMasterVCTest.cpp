// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "popover/AMPSummaryMasterVC.h"

#include "battery/BatteryData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "persistence/VersionSupport.h"
#include "popover/AMPRingBackgroundV.h"
#include "popover/AMPSumarySubviewVC.h"
#include "popover/AMPSummaryMasterVCDelegate.h"
#include "popover/PopoverFrame.h"
#include "popover/PopoverWindow.h"
#include "popover/ValuedRingButton.h"
#include "stylekit/AmpraStyleKit.h"
#include "support/FakeDateProvider.h"
#include "support/PaintedAt.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gmock/gmock.h>

namespace {

using Tab = AMPDetailViewFactory::Tab;

// A detail view that keeps the charges it was shown.
class RecordingView : public AMPSumarySubviewVC, public AMPBatteryDataAwareInterface {
public:
    explicit RecordingView(Tab shown) : tab(shown) {}
    void refreshContentWithData(const CalibrationData& record) override {
        charges.push_back(record.batteryData().currentChargePercentage);
    }
    Tab tab;
    std::vector<uint64_t> charges;
};

class RecordingFactory : public AMPDetailViewFactory {
public:
    QWidget* createDetailView(Tab tab, GlobalConfigurationProvider&) override {
        return last = new RecordingView(tab);
    }
    RecordingView* last = nullptr;
};

class MockDelegate : public AMPSummaryMasterVCDelegate {
public:
    MOCK_METHOD(void, viewControllerRequestForPreferencesWindow, (AMPSummaryMasterVC&), (override));
    MOCK_METHOD(void, viewControllerRequestPostponeCalibration, (AMPSummaryMasterVC&), (override));
    MOCK_METHOD(void, viewControllerRequestChargeLimitLift, (AMPSummaryMasterVC&), (override));
    MOCK_METHOD(void, viewControllerRequestForTutorialWindow, (AMPSummaryMasterVC&), (override));
};

class UpdateMenu : public VersionSupport {
public:
    bool isWebVersion() const override { return true; }
    QAction* checkForUpdateMenuItem(QObject* parent) override {
        return new QAction("Check for update...", parent);
    }
    void checkForUpdate() override {}
};

struct Ring {
    QString title;
    QColor color;
    double percentage;
};

class SummaryTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    AmpraConfiguration configuration{store};
    FakeDateProvider clock;
    RecordingFactory factory;
    AMPSummaryMasterVC summary{configuration, clock, &factory};
    BatteryData battery;
    CalibrationData data{battery, CalibrationState::calibrated, AlgorithmState::initCalibration};

    void SetUp() override {
        battery.currentChargePercentage = 85;
        battery.designCapacity = 5000;
        battery.currectCapacity = 4000;
    }
    void expectRing(Tab tab, const Ring& ring) {
        const RingButton& button = *summary.ringButton(tab);
        SCOPED_TRACE(ring.title.toStdString());
        EXPECT_EQ(button.ringText(), ring.title);
        EXPECT_EQ(button.drawingColor(), ring.color);
        EXPECT_NEAR(button.drawingPercentage().value_or(100), ring.percentage, 1e-9);
    }
    std::vector<bool> selection() const {
        std::vector<bool> result;
        for (Tab tab : {Tab::charge, Tab::capacity, Tab::health, Tab::calibration}) {
            result.push_back(summary.ringBackground(tab)->selected());
            // A screen reader hears the open ring as checked.
            EXPECT_EQ(summary.ringButton(tab)->isChecked(), result.back());
        }
        return result;
    }
};

const QColor& red = AmpraStyleKit::ringBadStateColor();
const QColor& orange = AmpraStyleKit::ringMediumStateColor();
const QColor& green = AmpraStyleKit::ringGoodStateColor();

TEST_F(SummaryTest, ChargeAndCapacityRingsColourByThreshold) {
    const struct {
        uint64_t charge, current;
        Ring chargeRing, capacityRing;
    } rows[] = {
        {20, 1000, {"20%", red, 20}, {"20%", red, 20}},
        {80, 4000, {"80%", orange, 80}, {"80%", orange, 80}},
        {81, 4001, {"81%", green, 81}, {"80%", green, 80.02}},
        {100, 5200, {"100%", green, 100}, {"104%", green, 104}}, // above design: more than 100 %
        {0, 0, {"0%", red, 0}, {"104%", green, 104}},            // no capacity: the last one stays
    };
    for (const auto& row : rows) {
        battery.currentChargePercentage = row.charge;
        battery.currectCapacity = row.current;
        summary.refreshContentWithData(data);
        for (const auto& [tab, ring] :
             {std::pair{Tab::charge, row.chargeRing}, std::pair{Tab::capacity, row.capacityRing}})
            expectRing(tab, ring);
    }
    EXPECT_EQ(summary.ringButton(Tab::charge)->accessibleName(), "Charge 0%");
    // Sections of no width draw an empty ring.
    EXPECT_EQ(ValuedRingButton::drawingFor(12.7, {{0, red}, {0, green}}, true).percentage, 0);
}

TEST_F(SummaryTest, HealthRingIsAlwaysFull) {
    const std::tuple<std::optional<BatteryHealthType>, QString, QColor> rows[] = {
        {std::nullopt, "-", green},
        {BatteryHealthType::unknown, "-", green},
        {BatteryHealthType::poor, "POOR", red},
        {BatteryHealthType::fair, "FAIR", orange},
        {BatteryHealthType::good, "GOOD", green},
        {BatteryHealthType::check, "CHECK", red}};
    for (const auto& [health, title, color] : rows) {
        battery.batteryHealth = health;
        summary.refreshContentWithData(data);
        expectRing(Tab::health, {title, color, 100});
        EXPECT_FALSE(summary.ringButton(Tab::health)->drawingPercentage());
    }
}

// Longer than the period, the ring grows with the next record.
TEST_F(SummaryTest, DaysRingCountsDownTheCalibrationPeriod) {
    configuration.preferences().setTimeBetweenCalibrations(28 * 86400.0);
    const std::pair<std::optional<double>, Ring> rows[] = {{6.5, {"6", red, 6 / 28.0 * 100}},
                                                           {7, {"7", orange, 25}},
                                                           {20, {"20", orange, 20 / 28.0 * 100}},
                                                           {21, {"21", green, 75}},
                                                           {std::nullopt, {"0", red, 0}},
                                                           {35, {"35", green, 125}},
                                                           {14, {"14", orange, 40}}};
    for (const auto& [daysAhead, ring] : rows) {
        data.nextCalibrationDate.reset();
        if (daysAhead)
            data.nextCalibrationDate = clock.now().addSecs(qint64(*daysAhead * 86400));
        summary.refreshContentWithData(data);
        expectRing(Tab::calibration, ring);
    }
}

TEST_F(SummaryTest, RingsToggleTheirDetailViewAndSelection) {
    summary.refreshContentWithData(data);
    summary.ringButtonAction(Tab::charge);
    RecordingView* charge = factory.last;
    EXPECT_EQ(charge->charges, std::vector<uint64_t>{85}); // filled at once from the last record
    EXPECT_EQ(selection(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(charge->suviewDelegate, &summary);

    battery.currentChargePercentage = 84;
    summary.refreshContentWithData(data);
    EXPECT_EQ(charge->charges, (std::vector<uint64_t>{85, 84}));

    summary.ringButtonAction(Tab::capacity); // replaces the charge view and moves the selection
    EXPECT_EQ(factory.last->tab, Tab::capacity);
    EXPECT_EQ(summary.controllerOnDisplay(), factory.last);
    EXPECT_EQ(selection(), (std::vector<bool>{false, true, false, false}));

    summary.ringButtonAction(Tab::capacity);
    EXPECT_EQ(summary.controllerOnDisplay(), nullptr);
    EXPECT_EQ(selection(), (std::vector<bool>(4, false)));
    summary.selectTab(9);
    EXPECT_EQ(selection(), (std::vector<bool>(4, false)));

    // Without detail views a ring only toggles its selection.
    AMPSummaryMasterVC bare(configuration, clock, nullptr);
    bare.ringButtonAction(Tab::health);
    EXPECT_TRUE(bare.ringBackground(Tab::health)->selected());
    bare.ringButtonAction(Tab::health);
    EXPECT_FALSE(bare.ringBackground(Tab::health)->selected());
}

// Return and Enter work a ring as Space does: the first opens its view, the second closes it.
TEST_F(SummaryTest, EnterOpensAndClosesTheFocusedRing) {
    auto* content = new AMPSummaryMasterVC(configuration, clock, &factory);
    content->refreshContentWithData(data);
    PopoverWindow popover(content);
    RingButton& ring = *content->ringButton(Tab::health);
    ring.setFocus();
    QTest::keyClick(&ring, Qt::Key_Return);
    EXPECT_TRUE(ring.isChecked());
    EXPECT_EQ(content->controllerOnDisplay(), factory.last);
    QTest::keyClick(&ring, Qt::Key_Enter);
    EXPECT_FALSE(ring.isChecked());
    EXPECT_EQ(content->controllerOnDisplay(), nullptr);
}

TEST_F(SummaryTest, NoBatteryCoversTheRingsForGood) {
    battery.noBattery = true;
    summary.refreshContentWithData(data);
    EXPECT_TRUE(summary.noBatteryViewOnDisplay());
    EXPECT_TRUE(summary.ringButton(Tab::charge)->isHidden());
    EXPECT_FALSE(summary.lastDataReceived());
    const PreferenceProvider& preferences = configuration.preferences();
    EXPECT_FALSE(preferences.showIcon() || preferences.showPercentage() || preferences.showTime() ||
                 preferences.useVerticalIcons() || preferences.useColoredStatusBarIcon());

    battery.noBattery = false;
    summary.refreshContentWithData(data);
    EXPECT_FALSE(summary.ringButton(Tab::charge)->isHidden());
    EXPECT_EQ(summary.ringButton(Tab::charge)->ringText(), "85%");
    EXPECT_FALSE(summary.noBatteryView()->isHidden());
}

TEST_F(SummaryTest, SettingsMenuReachesTheDelegate) {
    const auto captions = [](const QMenu& menu) {
        QStringList result;
        for (const QAction* action : menu.actions())
            result << (action->isSeparator() ? "-" : action->text());
        return result.join(u'|');
    };
    EXPECT_EQ(captions(*summary.settingsMenu()), "Preferences…|Tutorial|-|Quit Ampra");
    UpdateMenu updates;
    configuration.setVersionSupport(&updates);
    AMPSummaryMasterVC withUpdates(configuration, clock, nullptr);
    EXPECT_EQ(captions(*withUpdates.settingsMenu()),
              "Preferences…|Tutorial|-|Check for update...|Quit Ampra");

    testing::StrictMock<MockDelegate> delegate;
    summary.menuPreferencesAction(); // no delegate: nothing
    summary.summaryMasterDelegate = &delegate;
    EXPECT_CALL(delegate, viewControllerRequestForPreferencesWindow(testing::Ref(summary)));
    EXPECT_CALL(delegate, viewControllerRequestForTutorialWindow(testing::Ref(summary)));
    summary.settingsMenu()->actions().at(0)->trigger();
    summary.settingsMenu()->actions().at(1)->trigger();
}

// The popover in the situations worth looking at, at scale 1 and 2, into
// <build>/popover-pictures, with the pixels that tell the situations apart.
struct Situation {
    const char* name;
    std::function<void(BatteryData&)> reading; // none: no data yet
    Tab probe;                                 // the ring whose arc is checked
    QColor arcColour;                          // at the top of that ring
    std::optional<Tab> hovered = std::nullopt;
    std::optional<Tab> selected = std::nullopt;
};

const Situation situations[] = {
    {"no_data", nullptr, Tab::charge, AmpraStyleKit::ringsBackgroundColor()},
    {"poor_15",
     [](BatteryData& battery) {
         battery.currentChargePercentage = 15;
         battery.currectCapacity = 2900;
         battery.batteryHealth = BatteryHealthType::poor;
     },
     Tab::health, AmpraStyleKit::ringBadStateColor()},
    {"no_battery", [](BatteryData& battery) { battery.noBattery = true; }, Tab::charge,
     QColor::fromRgbF(0.985f, 0.985f, 0.985f)},
    {"hovered_selected", [](BatteryData&) {}, Tab::calibration,
     AmpraStyleKit::ringMediumStateColor(), Tab::charge, Tab::calibration},
};

class PopoverPicturesTest : public SummaryTest, public testing::WithParamInterface<Situation> {};

TEST_P(PopoverPicturesTest, DrawsTheSituation) {
    const Situation& situation = GetParam();
    data.nextCalibrationDate = clock.now().addDays(12).addSecs(3600);
    auto* shown = new AMPSummaryMasterVC(configuration, clock, nullptr);
    if (situation.reading) {
        situation.reading(battery);
        shown->refreshContentWithData(data);
    }
    if (situation.hovered)
        shown->ringBackground(*situation.hovered)->setHovered(true);
    if (situation.selected)
        shown->ringButtonAction(*situation.selected);
    PopoverWindow popover(shown,
                          PopoverWindow::Anchor{QRect(150, 10, 21, 20), QRect(0, 30, 800, 570)});
    popover.present();

    const QString folder = QString(AMPRA_BUILD_DIR) + "/popover-pictures";
    QDir().mkpath(folder);
    const QPoint ringTop = shown->ringButton(situation.probe)->mapTo(&popover, QPoint(55, 13));
    for (int scale : {1, 2}) {
        const QImage image = paintedAt(popover, scale, QColor(Qt::transparent));
        ASSERT_TRUE(image.save(QString("%1/%2@%3x.png").arg(folder, situation.name).arg(scale)));
        const QColor arc = image.pixelColor(ringTop * scale);
        for (const auto& [shade, expected] : {std::pair{arc.redF(), situation.arcColour.redF()},
                                              {arc.greenF(), situation.arcColour.greenF()},
                                              {arc.blueF(), situation.arcColour.blueF()}})
            EXPECT_NEAR(shade, expected, 0.02) << scale;
        // The arrow's tip points at the item, the corners beside it are transparent.
        EXPECT_EQ(image.pixelColor(QPoint(160 - popover.x(), 1) * scale).alpha(), 255) << scale;
        EXPECT_EQ(image.pixelColor(QPoint(0, 0)).alpha(), 0) << scale;
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, PopoverPicturesTest, testing::ValuesIn(situations),
                         [](const auto& situation) { return std::string(situation.param.name); });

// (item, the screen's available part, popover size) → frame and arrow: under a top panel, over a
// bottom one, cut down to the room between the panel and the far edge.
TEST(PopoverFrameTest, HangsFromItsItemInsideTheScreen) {
    const QRect top(0, 30, 1280, 770), bottom(0, 0, 1280, 776);             // 1280 by 800
    const QRect laptopTop(0, 27, 1366, 741), laptopBottom(0, 0, 1366, 736); // 1366 by 768
    const struct {
        QRect item, available;
        QSize size;
        PopoverFrame frame;
    } rows[] = {
        {{600, 4, 22, 22}, top, {300, 400}, {{460, 30, 300, 400}, true, 150}},
        {{1250, 4, 22, 22}, top, {300, 400}, {{980, 30, 300, 400}, true, 280}}, // right edge
        {{2, 4, 22, 22}, top, {300, 400}, {{0, 30, 300, 400}, true, 12}},       // left edge
        {{700, 10, 1, 1}, top, {300, 400}, {{550, 30, 300, 400}, true, 150}},   // a click point
        {{600, 776, 22, 22}, bottom, {440, 742}, {{390, 34, 440, 742}, false, 220}},
        // Taller than the room: cut down.
        {{1300, 2, 22, 22}, laptopTop, {460, 819}, {{906, 27, 460, 741}, true, 404}},
        {{1300, 740, 24, 24}, laptopBottom, {460, 819}, {{906, 0, 460, 736}, false, 405}},
        {{600, 4, 22, 22}, top, {2000, 300}, {{0, 30, 1280, 300}, true, 610}}, // wider
    };
    for (const auto& row : rows)
        EXPECT_EQ(PopoverFrame::place(row.item, row.available, row.size), row.frame)
            << row.item.x() << "," << row.item.y();
}

// Each view that opens places the popover again: its lower edge stays on the bottom panel, its
// arrow on the item; a view taller than the room scrolls under the rings.
TEST_F(SummaryTest, PopoverFollowsItsViewsAndScrollsWhatDoesNotFit) {
    auto* shown = new AMPSummaryMasterVC(configuration, clock, &factory);
    shown->refreshContentWithData(data);
    const QRect item(700, 578, 22, 22);
    PopoverWindow popover(shown, PopoverWindow::Anchor{item, QRect(0, 0, 800, 576)});
    shown->setRoom(popover.room());
    popover.present();
    for (const auto& [tab, height] : {std::pair{Tab::charge, 300}, {Tab::capacity, 900}}) {
        shown->ringButtonAction(tab);
        factory.last->setMinimumHeight(height);
        settle();
        EXPECT_EQ(popover.geometry().bottom(), 575) << height;
        EXPECT_GE(popover.geometry().top(), 0) << height;
        const int x = item.center().x() - popover.x(), y = popover.height() - 3; // the arrow's tip
        EXPECT_TRUE(popover.mask().contains({x, y}) && !popover.mask().contains({x - 6, y}));
    }
    const auto* detail = shown->findChild<QScrollArea*>();
    EXPECT_GT(detail->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(detail->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(shown->ringButton(Tab::charge)->isVisible());
}

// Where nothing can go beside the item, the summary is a small window of its own: titled, without
// an arrow, gone on Escape and when the focus goes to another window.
TEST(PopoverWindowTest, WithoutAPlaceBesideTheItemItIsAWindow) {
    auto* content = new QWidget;
    content->setFixedSize(440, 150);
    PopoverWindow window(content);
    QWidget elsewhere;
    for (const bool byEscape : {true, false}) {
        window.present();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window.isVisible() && window.windowType() == Qt::Window);
        EXPECT_EQ(window.windowTitle(), QGuiApplication::applicationDisplayName());
        EXPECT_EQ(window.size(), QSize(440, 150));
        if (byEscape) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &escape);
        } else {
            elsewhere.show();
            elsewhere.activateWindow();
        }
        settle();
        EXPECT_FALSE(window.isVisible()) << byEscape;
    }
}

// Where the grab misses clicks outside the application (Xwayland), a transparent window beneath
// the popup takes them: a click there closes the popup, and the cover goes with it.
TEST(PopoverWindowTest, ACoverTakesTheClickTheGrabMisses) {
    auto* content = new QWidget;
    content->setFixedSize(440, 150);
    PopoverWindow popup(content,
                        PopoverWindow::Anchor{QRect(700, 5, 20, 20), QRect(0, 30, 800, 570), true});
    popup.present();
    // The screen but its last row, which mutter would take for a full-screen window.
    const QRect screen = QGuiApplication::primaryScreen()->geometry().adjusted(0, 0, 0, -1);
    QWidget* cover = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &popup && window->isVisible() && window->geometry() == screen)
            cover = window;
    ASSERT_TRUE(cover && cover->testAttribute(Qt::WA_TranslucentBackground));
    QTest::mouseClick(cover->windowHandle(), Qt::LeftButton, {}, QPoint(40, 500));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(cover->isVisible());
}

} // namespace
