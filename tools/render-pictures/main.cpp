// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Draws the summary, the detail views, every state of the calibration view, the preferences pages,
// the tutorial pages and the battery override window, in English (or in the first language LANGUAGE
// names, to check that its texts fit), at one and two pixels per point, into the folder it is
// given.

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationVC.h"
#include "popover/AMPCapacityVC.h"
#include "popover/AMPChargeVC.h"
#include "popover/AMPHealthVC.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/PopoverWindow.h"
#include "shell/Translations.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/FocusFrameStyle.h"
#include "support/FakeDateProvider.h"
#include "support/PaintedAt.h"
#include "support/RecordingWindowActions.h"
#include "support/UiPart.h"
#include "windows/AMPPreferencesTabVC.h"
#include "windows/AMPTutorialPageController.h"
#include "windows/BatteryDataHijackWC.h"
#include "windows/WindowsController.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Writes <folder>/<name>@1x.png and @2x.png, on `background` when given.
void save(QWidget& widget, const QString& folder, const QString& name,
          std::optional<QColor> background = {}) {
    for (int scale : {1, 2}) {
        const QString file = u"%1/%2@%3x.png"_s.arg(folder, name).arg(scale);
        if (!paintedAt(widget, scale, background).save(file))
            throw std::runtime_error("cannot write " + file.toStdString());
    }
}

// A popover view laid out at the popover's width.
void layOut(QWidget& view, int width) {
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    view.layout()->activate();
    width = qMax(width, view.minimumSizeHint().width());
    // Wrapped texts need the height the width asks for, as in the popover.
    const int height = view.heightForWidth(width);
    view.resize(width, height > 0 ? height : view.sizeHint().height());
}

// Settings and a history in a temporary folder of their own.
struct Store {
    Store() { configuration.setDataStore(&persistance); }
    ManagedObjectContext& context() { return *persistance.managedObjectContext(); }
    void save() {
        if (!context().save())
            throw std::runtime_error("cannot store the history");
    }

    QTemporaryDir folder;
    SettingsStore settings{folder.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{settings};
    AppPersistance persistance{&configuration, folder.path()};
};

struct DetailSituation {
    const char* name;
    std::function<void(BatteryData&)> reading; // none: no data yet
    std::function<QWidget*(GlobalConfigurationProvider&)> view;
    std::function<void(QWidget&)> action = nullptr;
    CalibrationData::ChargeLimitLift lift = CalibrationData::ChargeLimitLift::none;
};

template <class View> QWidget* make(GlobalConfigurationProvider& configuration) {
    return new View(configuration);
}

const DetailSituation detailSituations[] = {
    {"charge-no-data", nullptr, make<AMPChargeVC>},
    {"charge-on-battery",
     [](BatteryData& battery) {
         battery.powerSource = PowerSourceType::batteryPowered;
         battery.timeToEmpty = 125;
     },
     make<AMPChargeVC>},
    {"charge-full", [](BatteryData& battery) { battery.isCharged = true; }, make<AMPChargeVC>},
    {"charge-limit-lifted", [](BatteryData&) {}, make<AMPChargeVC>, nullptr,
     CalibrationData::ChargeLimitLift::lifted},
    {"capacity-history", [](BatteryData&) {}, make<AMPCapacityVC>},
    {"capacity-cycles-help", [](BatteryData&) {}, make<AMPCapacityVC>,
     [](QWidget& view) {
         static_cast<AMPCapacityVC&>(view).cyclesHelpAction();
     }},
    {"health-good", [](BatteryData&) {}, make<AMPHealthVC>},
    {"health-check-help",
     [](BatteryData& battery) { battery.batteryHealth = BatteryHealthType::check; },
     make<AMPHealthVC>,
     [](QWidget& view) {
         static_cast<AMPHealthVC&>(view).healthHelpAction();
     }},
};

void renderDetailViews(const QString& folder, Store& store) {
    // Two years of snapshots, the capacity wavering as it falls, and three calibrations.
    const QDateTime first(QDate(2023, 2, 1), QTime(12, 0), Qt::LocalTime);
    for (int i = 0; i < 82; ++i) {
        BatteryStatusSnapshot snapshot(store.context());
        snapshot.setDate(first.addDays(9 * i));
        snapshot.setCapacity(4950 - quint64(4 * i) - quint64((i * 37) % 23));
        snapshot.setCycleCount(quint64(40 + 3 * i));
    }
    for (int day : {150, 390, 640}) {
        Calibration calibration(store.context());
        calibration.setDate(first.addDays(day));
    }
    store.save();

    for (const DetailSituation& situation : detailSituations) {
        BatteryData battery;
        battery.currentChargePercentage = 73;
        battery.cycleCount = 312;
        battery.designCycleCount = 1000;
        battery.designCapacity = 5000;
        battery.currectCapacity = 4600;
        battery.batteryHealth = BatteryHealthType::good;
        std::unique_ptr<QWidget> view(situation.view(store.configuration));
        // On the popover's colour, which their help blocks and buttons take up.
        QPalette palette = view->palette();
        palette.setColor(QPalette::Window, AmpraStyleKit::popOverBackgroundColor());
        view->setPalette(palette);
        view->setAutoFillBackground(true);
        if (situation.reading) {
            situation.reading(battery);
            CalibrationData data{battery, CalibrationState::calibrated,
                                 AlgorithmState::initCalibration};
            data.chargeLimitLift = situation.lift;
            data.liftableChargeLimit = 80;
            dynamic_cast<AMPBatteryDataAwareInterface&>(*view).refreshContentWithData(data);
        }
        if (situation.action)
            situation.action(*view);
        layOut(*view, 440);
        save(*view, folder, u"detail-"_s + QLatin1StringView(situation.name));
    }
}

struct CalibrationSituation {
    const char* name;
    AlgorithmState state;
    CalibrationState schedule;
    uint64_t toFull, toEmpty;
    double timer;
    void (AMPCalibrationVC::*open)() = nullptr; // the block opened
    CalibrationData::ChargeLimitLift lift = CalibrationData::ChargeLimitLift::none;
    uint64_t chargeLimit = 100;
};

const CalibrationSituation calibrationSituations[] = {
    {"off", AlgorithmState::calibrationOff, CalibrationState::calibrated, 0, 0, 0},
    {"step1-charging", AlgorithmState::charging, CalibrationState::pendingCalibration, 48, 0, 0},
    {"step1-charge-limit", AlgorithmState::initCalibration, CalibrationState::pendingCalibration, 0,
     0, 0, nullptr, CalibrationData::ChargeLimitLift::none, 80},
    {"step1-charge-limit-offered", AlgorithmState::initCalibration,
     CalibrationState::pendingCalibration, 0, 0, 0, nullptr,
     CalibrationData::ChargeLimitLift::offered, 80},
    {"step1-charge-limit-lifted", AlgorithmState::charging, CalibrationState::pendingCalibration,
     48, 0, 0, nullptr, CalibrationData::ChargeLimitLift::lifted},
    {"step2-fully-charged", AlgorithmState::fullyCharged, CalibrationState::pendingCalibration, 0,
     0, 5400},
    {"step3-disconnect", AlgorithmState::disconnectAdapter, CalibrationState::postponed, 0, 0, 0},
    {"step4-discharging", AlgorithmState::discharging, CalibrationState::calibrated, 0, 95, 0},
    {"step5-turn-it-off", AlgorithmState::turnItOff, CalibrationState::pendingCalibration, 0, 0, 0},
    {"computer-off", AlgorithmState::computerOff, CalibrationState::pendingCalibration, 0, 0, 0},
    {"step6-done", AlgorithmState::calibrationDone, CalibrationState::calibrated, 30, 0, 0},
    {"help-next-date", AlgorithmState::discharging, CalibrationState::calibrated, 0, 0, 0,
     &AMPCalibrationVC::nextCalibrationHelpAction},
    {"help-calibration", AlgorithmState::discharging, CalibrationState::calibrated, 0, 0, 0,
     &AMPCalibrationVC::calibrationHelpAction},
    {"history", AlgorithmState::discharging, CalibrationState::calibrated, 0, 0, 0,
     &AMPCalibrationVC::showCalibrationHistoryAction},
};

void renderCalibrationView(const QString& folder, Store& store) {
    const FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    for (int month = 1; month <= 3; ++month) {
        Calibration calibration(store.context());
        calibration.setDate(clock.now().addMonths(-month));
        calibration.setCapacity(4700 - 40 * month);
        calibration.setCycleCount(300 - 25 * month);
    }
    store.save();

    for (const CalibrationSituation& situation : calibrationSituations) {
        BatteryData battery;
        battery.designCapacity = 5000;
        battery.timeToFull = situation.toFull;
        battery.timeToEmpty = situation.toEmpty;
        battery.chargeLimit = situation.chargeLimit;
        CalibrationData data(battery, situation.schedule, situation.state);
        data.timeRemainingInRunningTimer = situation.timer;
        data.chargeLimitLift = situation.lift;
        data.liftableChargeLimit = 80;
        data.nextCalibrationDate = situation.schedule == CalibrationState::pendingCalibration
                                       ? clock.now()
                                       : clock.now().addDays(situation.open ? 20 : 12);
        AMPCalibrationVC view(store.configuration, clock);
        view.refreshContentWithData(data);
        if (situation.open)
            (view.*situation.open)();
        layOut(view, 360);
        save(view, folder, u"calibration-"_s + QLatin1StringView(situation.name),
             AmpraStyleKit::popOverBackgroundColor());
    }
}

void renderSummary(const QString& folder, Store& store) {
    const FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    BatteryData battery;
    battery.currentChargePercentage = 85;
    battery.designCapacity = 5000;
    battery.currectCapacity = 4000;
    CalibrationData data{battery, CalibrationState::calibrated, AlgorithmState::initCalibration};
    data.nextCalibrationDate = clock.now().addDays(12);
    auto* summary = new AMPSummaryMasterVC(store.configuration, clock, nullptr);
    summary->refreshContentWithData(data);
    PopoverWindow popover(summary,
                          PopoverWindow::Anchor{QRect(150, 10, 21, 20), QRect(0, 30, 800, 570)});
    popover.present();
    save(popover, folder, u"summary"_s, QColor(Qt::transparent));
}

void renderWindows(const QString& folder, Store& store) {
    RecordingWindowActions actions;
    WindowsController windows{store.settings, store.configuration, actions};
    windows.showPreferencesWindow();
    AMPPreferencesTabVC& preferences = *windows.preferencesWindow();
    QTabWidget& tabs = *uiPart<QTabWidget>(preferences, u"tabView"_s);
    for (int index = 0; index < tabs.count(); ++index) {
        tabs.setCurrentIndex(index);
        const QString name =
            tabs.currentWidget()->objectName().remove(u"AMPPreferences"_s).remove(u"VC"_s);
        save(preferences, folder, u"preferences-"_s + name.toLower());
    }
    windows.showTutorialWindow();
    AMPTutorialPageController& tutorial = *windows.tutorialWindow();
    for (int page = 0; page < 3; ++page) {
        tutorial.setSelectedIndex(page);
        save(tutorial, folder, u"tutorial-%1"_s.arg(page + 1));
    }
    BatteryData battery;
    windows.showBatteryDataHijackWindow(battery, [] {});
    BatteryDataHijackWC& override = *windows.batteryDataHijackWindow();
    uiPart<QCheckBox>(override, u"enableHijakingCheckBox"_s)->setChecked(true);
    uiPart<QComboBox>(override, u"workCycleStatusCombo"_s)->setCurrentIndex(6);
    override.workCycleStatusCombo(6);
    save(override, folder, u"battery-override"_s);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(new FocusFrameStyle); // as Ampra sets it at start
    if (argc != 2) {
        std::fputs("usage: ampra-render-pictures <folder>\n", stderr);
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot write in %s\n", argv[1]);
        return 1;
    }
    const QString language = qEnvironmentVariable("LANGUAGE").section(u':', 0, 0);
    const Translations translations{
        language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language)};
    try {
        Store details;
        renderSummary(folder, details);
        renderDetailViews(folder, details);
        renderWindows(folder, details);
        Store calibrations;
        renderCalibrationView(folder, calibrations);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("saved in %s\n", qPrintable(folder));
    return 0;
}
