// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Every window and view as a screen reader and a keyboard user meet it, one rule per test.

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/DetailViewFactory.h"
#include "popover/PopoverWindow.h"
#include "stylekit/FocusFrameStyle.h"
#include "support/Contrast.h"
#include "support/FakeDateProvider.h"
#include "support/RecordingWindowActions.h"
#include "support/UiPart.h"
#include "windows/AMPPreferencesTabVC.h"
#include "windows/AMPTutorialPageController.h"
#include "windows/BatteryDataHijackWC.h"
#include "windows/WindowsController.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Tab = AMPSummaryMasterVC::Tab;

namespace {

// A window and its page.
struct Screen {
    const char* name;
    enum { popover, preferences, tutorial, batteryOverride } window;
    int page = 0;
};

const Screen screens[] = {
    {"summary", Screen::popover},           {"charge", Screen::popover, 1},
    {"capacity", Screen::popover, 2},       {"health", Screen::popover, 3},
    {"calibration", Screen::popover, 4},    {"calibrationHistory", Screen::popover, 5},
    {"general", Screen::preferences},       {"notifications", Screen::preferences, 1},
    {"appearance", Screen::preferences, 2}, {"about", Screen::preferences, 3},
    {"tutorial1", Screen::tutorial},        {"tutorial2", Screen::tutorial, 1},
    {"tutorial3", Screen::tutorial, 2},     {"override", Screen::batteryOverride}};

// All the application's windows, each made and shown as the user opens it.
class AccessibilityTest : public testing::TestWithParam<Screen> {
protected:
    // As Ampra sets it at start.
    static void SetUpTestSuite() { QApplication::setStyle(new FocusFrameStyle); }
    AccessibilityTest() {
        battery.currentChargePercentage = 64;
        battery.designCapacity = 5000;
        battery.currectCapacity = 4500;
        battery.cycleCount = 312;
        battery.designCycleCount = 1000;
        configuration.setDataStore(&persistance);
        ManagedObjectContext& context = *persistance.managedObjectContext();
        const QDateTime day(QDate(2024, 12, 6), QTime(12, 0));
        BatteryStatusSnapshot(context).setDate(day);
        Calibration(context).setDate(day);
        context.save();
    }

    // The screen's window, active as one the user works in, with the focus moved by keys.
    QWidget& window() {
        const int page = GetParam().page;
        QWidget& window = GetParam().window == Screen::popover       ? popover(page)
                          : GetParam().window == Screen::preferences ? preferences(page)
                          : GetParam().window == Screen::tutorial    ? tutorial(page)
                                                                     : batteryOverride();
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        window.show();
        QApplication::setActiveWindow(&window);
        QCoreApplication::sendPostedEvents();
        window.layout()->activate();
        return window;
    }
    // With a ring's view open (0: none; past the calibration: its history).
    QWidget& popover(int ring) {
        auto* summary = new AMPSummaryMasterVC(configuration, clock, &factory);
        CalibrationData data(battery, CalibrationState::pendingCalibration,
                             AlgorithmState::fullyCharged);
        data.timeRemainingInRunningTimer = 3600;
        summary->refreshContentWithData(data);
        if (ring)
            summary->ringButtonAction(Tab(std::min(ring, 4)));
        if (ring > 4)
            summary->findChild<AMPCalibrationVC*>()->showCalibrationHistoryAction();
        // Under an item at the top of a screen with room for every view.
        _popover = std::make_unique<PopoverWindow>(
            summary, PopoverWindow::Anchor{QRect(700, 0, 24, 24), QRect(0, 0, 1280, 1600)});
        summary->setRoom(_popover->room());
        _popover->present();
        return *_popover;
    }
    QWidget& preferences(int page) {
        windows.showPreferencesWindow();
        uiPart<QTabWidget>(*windows.preferencesWindow(), u"tabView"_s)->setCurrentIndex(page);
        return *windows.preferencesWindow();
    }
    QWidget& tutorial(int page) {
        windows.showTutorialWindow();
        for (int turn = 0; turn < page; ++turn)
            windows.tutorialWindow()->navigateForward();
        return *windows.tutorialWindow();
    }
    QWidget& batteryOverride() {
        windows.showBatteryDataHijackWindow(battery, [] {});
        return *windows.batteryDataHijackWindow();
    }
    // The visible widgets of `window` of the kind, the window itself first.
    template <typename Kind> static QList<Kind*> shown(QWidget& window) {
        QList<Kind*> result;
        if (auto* self = qobject_cast<Kind*>(&window))
            result.append(self);
        for (Kind* widget : window.findChildren<Kind*>())
            if (widget->isVisible())
                result.append(widget);
        return result;
    }
    // What Tab stops at.
    static QList<QWidget*> focusable(QWidget& window) {
        QList<QWidget*> result;
        for (QWidget* widget : shown<QWidget>(window))
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
                !widget->focusProxy() && !widget->isWindow())
                result.append(widget);
        return result;
    }
    static std::string describe(QWidget* widget) {
        return widget->metaObject()->className() + (" " + widget->objectName().toStdString());
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    AppPersistance persistance{&configuration, dir.filePath(u"store"_s)};
    FakeDateProvider clock;
    DetailViewFactory factory{clock};
    RecordingWindowActions actions;
    WindowsController windows{store, configuration, actions};
    BatteryData battery;
    std::unique_ptr<PopoverWindow> _popover;
};

TEST_P(AccessibilityTest, EveryControlAndTheWindowHaveARoleAndAName) {
    QWidget& top = window();
    QList<QWidget*> controls = focusable(top);
    controls.prepend(&top);
    for (QWidget* control : controls) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(element, nullptr);
        const QString name = element->text(QAccessible::Name);
        const bool labelled = !element->relations(QAccessible::Label).isEmpty();
        const QAccessible::Role role = element->role();
        EXPECT_TRUE(role != QAccessible::Client && role != QAccessible::NoRole)
            << describe(control) << " role " << role;
        EXPECT_TRUE(!name.trimmed().isEmpty() || labelled) << describe(control);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&top)->role(), QAccessible::Window);
}

TEST_P(AccessibilityTest, EveryPictureHasAName) {
    for (QLabel* label : shown<QLabel>(window()))
        EXPECT_TRUE(
            label->pixmap().isNull() ||
            !QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name).isEmpty())
            << describe(label);
}

TEST_P(AccessibilityTest, TabLeavesEveryTable) {
    for (QAbstractItemView* table : shown<QAbstractItemView>(window())) {
        table->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(table->hasFocus()) << describe(table);
        QTest::keyClick(table, Qt::Key_Tab);
        EXPECT_FALSE(table->hasFocus()) << describe(table);
    }
}

// An outline of 3 : 1 against what was under it, at least twice as long as the control is narrow.
TEST_P(AccessibilityTest, FocusIsSeenOnEveryControl) {
    QWidget& top = window();
    for (QWidget* control : focusable(top)) {
        top.setFocus();
        control->clearFocus();
        top.setAttribute(Qt::WA_KeyboardFocusChange);
        const QImage before = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus()) << describe(control);
        const QImage after = control->grab().toImage();
        int strong = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                strong += contrast(after.pixel(x, y), before.pixel(x, y)) >= 3;
        EXPECT_GE(strong, 2 * qMin(control->width(), control->height())) << describe(control);
    }
}

// The darkest or lightest pixel of a text against its most common one, the background.
TEST_P(AccessibilityTest, EveryTextStandsOutOfItsBackground) {
    QWidget& top = window();
    const QImage picture = top.grab().toImage();
    for (QLabel* label : shown<QLabel>(top)) {
        if (label->text().trimmed().isEmpty() || label->width() < 2 || label->height() < 2)
            continue;
        const QRect area(label->mapTo(&top, QPoint(0, 0)), label->size());
        const QImage part = picture.copy(area);
        QHash<QRgb, int> counts;
        QRgb background = part.pixel(0, 0);
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                if (++counts[part.pixel(x, y)] > counts.value(background))
                    background = part.pixel(x, y);
        double best = 1;
        for (auto [colour, count] : counts.asKeyValueRange())
            best = std::max(best, contrast(colour, background));
        EXPECT_GE(best, 4.5) << describe(label) << " " << label->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, AccessibilityTest, testing::ValuesIn(screens),
                         [](const auto& screen) { return std::string(screen.param.name); });

} // namespace
