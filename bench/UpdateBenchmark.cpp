// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The whole update as the running application makes it once a minute: the sysfs reading of a
// laptop, the time estimate, the engine on a store of 100 000 snapshots, the status item's
// content, the tray item's redraw and its D-Bus signals on a private bus with a panel's
// watcher. The times are the process's CPU time, the D-Bus thread's included.

#include "StoreHistory.h"
#include "battery/BatteryDataProvider.h"
#include "calibration/BatteryManager.h"
#include "persistence/AppPersistance.h"
#include "persistence/SettingsStore.h"
#include "platform/linux/DesktopAppearance.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/LinuxSystemProfile.h"
#include "platform/linux/SysfsPowerSourceService.h"
#include "platform/linux/TrayStatusItemHost.h"
#include "platform/linux/UPowerChargeLimitControl.h"
#include "platform/linux/UeventRegistryDump.h"
#include "platform/linux/X11PopupPlacement.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "popover/AMPSummaryMasterVC.h"
#include "shell/AppManager.h"
#include "shell/EmailSharingService.h"
#include "shell/LogSystem.h"
#include "shell/PlatformServices.h"
#include "statusbar/StatusItemClick.h"
#include "support/PrivateBuses.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <log4cplus/initializer.h>

namespace {

const QString kFixture = QStringLiteral(AMPRA_FIXTURES "/sysfs/charge-discharging");

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray readFixture(const QString& path) {
    QFile file(kFixture + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The laptop of the fixture, charging on mains at `charge` %: the bolt shows, so that a change
// of charge changes the item's title and not its icon.
class Laptop {
public:
    explicit Laptop(const QString& folder) : _folder(folder) {
        QDir(folder).mkpath("BAT0");
        QDir(folder).mkpath("AC");
        _battery = readFixture("/BAT0/uevent")
                       .replace("STATUS=Discharging", "STATUS=Charging")
                       .replace("CAPACITY=70", "CAPACITY=%1");
        ok = !_battery.isEmpty() && writeFile(folder + "/BAT0/type", "Battery\n") &&
             writeFile(folder + "/AC/type", "Mains\n") &&
             writeFile(folder + "/AC/uevent",
                       readFixture("/AC/uevent").replace("ONLINE=0", "ONLINE=1")) &&
             setCharge(80);
    }
    bool setCharge(int charge) {
        return writeFile(_folder + "/BAT0/uevent",
                         QString::fromUtf8(_battery).arg(charge).toUtf8());
    }
    bool ok = false;

private:
    QString _folder;
    QByteArray _battery;
};

// The Linux facilities as the application picks them, on the fixture and the private bus. The
// list of supplies is kept, as it is while udev runs; no sleep events come.
class BenchPlatform : public PlatformServices {
public:
    explicit BenchPlatform(const QString& powerSupplyFolder) : _folder(powerSupplyFolder) {}

    std::unique_ptr<BatteryDataProvider> createBatteryReader(bool,
                                                             const DateProvider& clock) override {
        auto sources = std::make_unique<SysfsPowerSourceService>(_folder, clock);
        sources->keepSupplyList();
        auto registry = std::make_unique<UeventRegistryDump>(*sources);
        return std::make_unique<BatteryDataProvider>(std::move(sources), std::move(registry));
    }
    // No UPower on the private system bus: the control finds it cannot work.
    std::unique_ptr<ChargeLimitControl> createChargeLimitControl() override {
        return std::make_unique<UPowerChargeLimitControl>();
    }
    SystemPowerEvents* powerEvents() override { return nullptr; }
    StatusItemHost* statusItemHost() override { return &_tray; }
    UserNotificationCenter& notificationCenter() override { return _notifications; }
    const AppearanceProvider& appearance() override { return _appearance; }
    const PopupPlacement& popupPlacement() override { return _placement; }
    LoginItem& loginItem() override { return _autostart; }
    std::unique_ptr<EmailSharingService> createEmailSharingService() override { return nullptr; }
    const SystemProfileProvider& systemProfile() override { return _profile; }

private:
    QString _folder;
    TrayStatusItemHost _tray;
    FreedesktopNotificationCenter _notifications;
    DesktopAppearance _appearance;
    X11PopupPlacement _placement;
    XdgAutostartLoginItem _autostart{QStringLiteral("/usr/bin/ampra")};
    LinuxSystemProfile _profile{QString()};
};

// The running application on the laptop, its tray item registered with a panel's watcher.
class RunningApp {
public:
    explicit RunningApp(const QString& folder)
        : laptop(folder + "/power_supply")
        , platform(folder + "/power_supply")
        , settings(folder + "/settings.json")
        , manager(platform, settings) {
        ok = laptop.ok && manager.applicationPersistance()->managedObjectContext() &&
             fillStoreHistory(*manager.applicationPersistance()->managedObjectContext(),
                              QDateTime::currentDateTimeUtc(), 10);
        manager.startCalibrationControl();
        // The first update, queued by the manager; then the item is settled.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
    }

    // One update, and the events it leaves: the D-Bus signals go out from the connection's
    // thread.
    void update() {
        manager.batteryManager()->refresh();
        QCoreApplication::processEvents();
    }

    Laptop laptop;
    BenchPlatform platform;
    SettingsStore settings;
    AppManager manager;
    bool ok = false;
};

RunningApp* app = nullptr;

void BM_UpdateNothingChanged(benchmark::State& state) {
    for (auto _ : state)
        app->update();
}
BENCHMARK(BM_UpdateNothingChanged)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The charge goes up and down by one between updates: the title changes, the bolt does not.
// Writing the fixture is not timed.
void BM_UpdateTitleChanged(benchmark::State& state) {
    int charge = 80;
    for (auto _ : state) {
        state.PauseTiming();
        charge = charge == 80 ? 81 : 80;
        if (!app->laptop.setCharge(charge))
            state.SkipWithError("cannot write the fixture");
        state.ResumeTiming();
        app->update();
    }
}
BENCHMARK(BM_UpdateTitleChanged)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A look at everything: the popover opens, each ring's view in turn (the capacity view on the
// store's history), and the popover closes, its views deleted. The counter is the resident
// memory it leaves over the memory before the first opening.
void BM_OpenEveryViewAndClose(benchmark::State& state) {
    const long before = residentKilobytes();
    const StatusItemClick click{QPoint(600, 0), {}};
    for (auto _ : state) {
        app->manager.popOverToggleRequest(click);
        AMPSummaryMasterVC* summary = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !summary)
                summary = window->findChild<AMPSummaryMasterVC*>();
        if (!summary) {
            state.SkipWithError("the popover did not open");
            return;
        }
        for (const auto tab :
             {AMPSummaryMasterVC::Tab::charge, AMPSummaryMasterVC::Tab::capacity,
              AMPSummaryMasterVC::Tab::health, AMPSummaryMasterVC::Tab::calibration}) {
            summary->ringButtonAction(tab);
            QCoreApplication::processEvents();
        }
        app->manager.popOverToggleRequest(click);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    state.counters["resident_growth_kB"] = double(residentKilobytes() - before);
}
BENCHMARK(BM_OpenEveryViewAndClose)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A panel's StatusNotifierWatcher on the private session bus, ready when its name is.
bool startWatcher(QProcess& watcher) {
    const QString watcherTemplate =
        QStringLiteral(AMPRA_FIXTURES) + "/dbusmock/status_notifier_watcher.py";
    watcher.start("/usr/bin/python3", {"-m", "dbusmock", "--session", "-t", watcherTemplate});
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(
                TrayStatusItemHost::kWatcherService))
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    // Nothing of the machine's: folders, buses and display are private.
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, QFile::encodeName(folder.path() + '/' + variable));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateBuses buses(folder.path());
    log4cplus::Initializer logging;
    QApplication application(argc, argv);
    LogSystem::setup(folder.path() + "/log");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QProcess watcher;
    if (!startWatcher(watcher)) {
        std::fprintf(stderr, "The panel's watcher (python3-dbusmock) did not start\n");
        return 1;
    }
    RunningApp running(folder.path());
    if (!running.ok) {
        std::fprintf(stderr, "The fixture or the store could not be made\n");
        return 1;
    }
    app = &running;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    watcher.terminate();
    watcher.waitForFinished();
    return 0;
}
