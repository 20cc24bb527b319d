// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/AppManager.h"

#include "calibration/BatteryManager.h"
#include "calibration/BatteryManagerDelegate.h"
#include "persistence/AmpraStatePersistence.h"
#include "persistence/AppPersistance.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/LinuxBatteryDataProviderFactory.h"
#include "platform/linux/LinuxSystemProfile.h"
#include "platform/linux/UPowerChargeLimitControl.h"
#include "platform/linux/WaylandPopupPlacement.h"
#include "platform/linux/X11PopupPlacement.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "popover/AMPSumarySubviewVC.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/AppWindows.h"
#include "popover/PopoverWindow.h"
#include "popover/RingButton.h"
#include "shell/EmailSharingService.h"
#include "shell/PlatformServices.h"
#include "shell/Translations.h"
#include "stylekit/AppearanceProvider.h"
#include "support/DBusMock.h"
#include "support/Files.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"
#include "support/RecordingStatusItemHost.h"
#include "support/UiPart.h"
#include "support/WaitFor.h"
#include "windows/AMPTutorialPageController.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The Linux reader on a fixture tree and the real notification client; the tray is recorded.
class TestPlatform : public PlatformServices, public AppearanceProvider {
public:
    explicit TestPlatform(const QString& sysfs) : _sysfs(sysfs) {}

    std::unique_ptr<BatteryDataProvider>
    createBatteryReader(bool, const DateProvider& dateProvider) override {
        return LinuxBatteryDataProviderFactory::create(false, dateProvider, _sysfs);
    }
    std::unique_ptr<ChargeLimitControl> createChargeLimitControl() override {
        return upower ? std::make_unique<UPowerChargeLimitControl>() : nullptr;
    }
    SystemPowerEvents* powerEvents() override { return nullptr; }
    StatusItemHost* statusItemHost() override { return &host; }
    UserNotificationCenter& notificationCenter() override { return notifications; }
    const AppearanceProvider& appearance() override { return *this; }
    const PopupPlacement& popupPlacement() override {
        return compositorPlaces ? static_cast<const PopupPlacement&>(wayland) : placement;
    }
    QString interfaceStyle() const override { return "Light"; }
    LoginItem& loginItem() override { return autostart; }
    std::unique_ptr<EmailSharingService> createEmailSharingService() override { return nullptr; }
    const SystemProfileProvider& systemProfile() override { return profile; }

    // The notifications the server has been asked to show, "title / body", once `count` have
    // arrived.
    QStringList notices(int count) const {
        QStringList result;
        for (const QVariantList& call : server->methodCalls("Notify", count))
            result << call.at(3).toString() + " / " + call.at(4).toString() +
                          (call.at(6).toMap().value("urgency").toInt() == 2 ? " (critical)" : "");
        return result;
    }

    std::unique_ptr<DBusMock> server =
        DBusMock::notificationDaemon(R"({"capabilities": "body body-markup actions"})");
    bool upower = false;
    FreedesktopNotificationCenter notifications;
    RecordingStatusItemHost host;
    XdgAutostartLoginItem autostart{QStringLiteral("/usr/bin/ampra")};
    LinuxSystemProfile profile{QString()};
    X11PopupPlacement placement;
    WaylandPopupPlacement wayland;
    bool compositorPlaces = false;

private:
    QString _sysfs;
};

// The window of that kind on the screen, if any.
template <class Window> Window* shown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(window); found && found->isVisible())
            return found;
    return nullptr;
}

// A laptop on a copy of a fixture tree whose readings the test changes.
class AppManagerTest : public testing::Test {
protected:
    const Translations english{QLocale(QLocale::English)};
    QTemporaryDir dir;
    QString sysfs = dir.filePath("power_supply");
    SettingsStore settings{dir.filePath("settings.json")};

    void SetUp() override {
        const QString fixture = QString(AMPRA_FIXTURES) + "/sysfs/charge-discharging";
        for (const char* file : {"AC/type", "AC/uevent", "BAT0/type", "BAT0/uevent"})
            ASSERT_TRUE(writeFile(sysfs + "/" + file, readFile(fixture + "/" + file)));
    }

    // The laptop on mains or on battery at `capacity` percent, read at once.
    void update(AppManager& manager, bool mains, const QString& capacity) {
        for (const auto& [device, key, value] :
             {std::tuple<QString, QString, QString>{"AC", "ONLINE", mains ? "1" : "0"},
              {"BAT0", "STATUS", mains ? "Charging" : "Discharging"},
              {"BAT0", "CAPACITY", capacity}}) {
            const QString path = sysfs + "/" + device + "/uevent";
            const QRegularExpression line("^POWER_SUPPLY_" + key + "=.*$",
                                          QRegularExpression::MultilineOption);
            ASSERT_TRUE(writeFile(path, QString::fromUtf8(readFile(path))
                                            .replace(line, "POWER_SUPPLY_" + key + "=" + value)
                                            .toUtf8()));
        }
        manager.batteryManager()->refresh();
    }
};

TEST_F(AppManagerTest, RunsTheUpdateLoopAndTurnsNoticesIntoNotifications) {
    TestPlatform platform(sysfs);
    LogCapture log("helpers.persistance");
    AppManager manager(platform, settings);
    EXPECT_EQ(platform.host.contentUpdates, 0); // the first update waits for the event loop
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform.host.title.startsWith("70% (")) << platform.host.title.toStdString();
    ASSERT_TRUE(manager.lastReceivedData());

    manager.startCalibrationControl(); // first launch: the old history is looked for
    EXPECT_EQ(log.count("Web version: no ampra 1 migration data found"), 1);
    // The tutorial opens at the first launch; its last button opens the popover.
    ASSERT_TRUE(shown<AMPTutorialPageController>());
    uiPart<QPushButton>(*shown<AMPTutorialPageController>(), "startUsingAmpraButton")->click();
    ASSERT_TRUE(shown<PopoverWindow>());
    shown<PopoverWindow>()->close();

    settings.setBool(false, "ShowTime"); // redrawn at once, not at the next tick
    EXPECT_EQ(platform.host.title, "70%");

    // A recent calibration: not pending, so power-source changes are announced.
    Calibration calibration(*manager.applicationPersistance()->managedObjectContext());
    calibration.setDate(QDateTime::currentDateTimeUtc().addDays(-1));
    ASSERT_TRUE(manager.applicationPersistance()->managedObjectContext()->save());

    update(manager, true, "70");
    update(manager, false, "15");
    update(manager, false, "4");
    manager.batteryManager()->refresh();
    // Guide messages: a step without one posts nothing.
    BatteryManager& battery = *manager.batteryManager();
    BatteryManagerDelegate& events = *battery.delegate;
    events.batteryManagerNotifyEventOnCalibrationProccessWithMessage(battery, std::nullopt);
    events.batteryManagerNotifyEventOnCalibrationProccessWithMessage(battery,
                                                                     QString("Calibration Done!!"));
    events.batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(battery, -108001);

    EXPECT_EQ(platform.notices(7),
              (QStringList{
                  "Battery calibration / Plug in your computer and charge it fully.", // none yet
                  "Power source changed / Now running on AC power",
                  "Power source changed / Now running on battery",
                  "Low battery / Battery charge is below 20%",
                  "Low battery / Battery charge is below 5% (critical)",
                  "Battery calibration / Calibration Done!!",
                  "Unplug your computer / Your computer has been plugged in for too long",
              }));

    manager.stopCalibrationControl();
    EXPECT_FALSE(settings.boolForKey(AmpraStatePersistence::kIsFirstLaunch));
}

// A laptop that stops at 80 %, with UPower's switch: the notification's action lifts the limit.
TEST_F(AppManagerTest, OffersToLiftAChargeLimitInANotificationWhoseActionLiftsIt) {
    const auto upower = DBusMock::fromTemplate(
        DBusMock::Bus::System, AMPRA_FIXTURES "/dbusmock/upower.py", "org.freedesktop.UPower",
        "/org/freedesktop/UPower/devices/battery_BAT0");
    ASSERT_TRUE(upower);
    ASSERT_TRUE(writeFile(sysfs + "/BAT0/charge_control_end_threshold", "80\n"));
    TestPlatform platform(sysfs);
    platform.upower = true;
    AppManager manager(platform, settings);
    update(manager, true, "80");
    EXPECT_EQ(platform.notices(1),
              QStringList{"The calibration needs a full charge / This laptop stops charging at "
                          "80%. Ampra can lift the limit until the calibration ends and then "
                          "switch it on again."});
    EXPECT_EQ(upower->methodCalls("EnableChargeThreshold"), QList<QVariantList>());
    platform.server->emitSignal("org.freedesktop.Notifications", "ActionInvoked", "us",
                                {1u, "action"});
    EXPECT_EQ(upower->methodCalls("EnableChargeThreshold", 1), QList<QVariantList>{{false}});
}

class RecordingWindows : public AppWindows {
public:
    void showPreferencesWindow() override { opened << "preferences"; }
    void showTutorialWindow() override { opened << "tutorial"; }
    QStringList opened;
};

TEST_F(AppManagerTest, PopoverOpensBesideTheItemAndShowsTheRecordsWhileOpen) {
    TestPlatform platform(sysfs);
    RecordingWindows windows;
    AppManager manager(platform, settings, &windows);
    QCoreApplication::processEvents();
    const auto summary = [] {
        return shown<PopoverWindow>()->findChild<AMPSummaryMasterVC*>();
    };
    const auto charge = [&] {
        return summary()->ringButton(AMPDetailViewFactory::Tab::charge)->ringText();
    };
    // Before any click, GNOME Shell's top bar tells where the item is; the menu's Open never
    // closes it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService("org.gnome.Shell"));
    ASSERT_TRUE(waitFor([&] { return platform.placement.usualItemPlace().has_value(); }));
    for (int opening = 0; opening < 2; ++opening) {
        platform.host.open();
        ASSERT_TRUE(shown<PopoverWindow>());
        EXPECT_EQ(shown<PopoverWindow>()->windowType(), Qt::Popup);
        EXPECT_EQ(shown<PopoverWindow>()->frameGeometry().topRight(), QPoint(799, 32));
    }
    shown<PopoverWindow>()->close();
    bus.unregisterService("org.gnome.Shell");
    // A panel at the top right of the 800 by 600 offscreen screen.
    const StatusItemClick item{QPoint(790, 5), QRect()};

    platform.host.click(item, Qt::NoModifier); // opened and filled at once from the last record
    ASSERT_TRUE(shown<PopoverWindow>());
    EXPECT_EQ(charge(), "70%");
    EXPECT_EQ(shown<PopoverWindow>()->frameGeometry().topRight(), QPoint(799, 6));
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform.host.highlighted);

    update(manager, false, "42");
    EXPECT_EQ(charge(), "42%");

    platform.host.click(item, Qt::NoModifier); // a second click closes it
    EXPECT_FALSE(shown<PopoverWindow>());
    QCoreApplication::processEvents();
    EXPECT_FALSE(platform.host.highlighted);
    update(manager, false, "41"); // no popover to pass it to

    platform.host.click(item, Qt::NoModifier); // a fresh summary with the latest record
    EXPECT_EQ(charge(), "41%");
    shown<PopoverWindow>()->close(); // a click elsewhere or Escape
    EXPECT_FALSE(shown<PopoverWindow>());
    platform.host.click({}, Qt::NoModifier); // the item's place unknown: a window of its own
    EXPECT_EQ(shown<PopoverWindow>()->windowType(), Qt::Window);
    shown<PopoverWindow>()->close();

    platform.host.click(item, Qt::NoModifier);
    LogCapture log("calibration.batteryManager");
    AMPSumarySubviewVC calibrationView; // a postponement travels to the battery manager
    summary()->subviewControllerRequestPostponeCalibration(calibrationView);
    EXPECT_EQ(log.count("Calibration Postpone Request"), 1);
    summary()->menuTutorialAction();
    ASSERT_TRUE(shown<PopoverWindow>());
    summary()->menuPreferencesAction(); // the window replaces the popover
    EXPECT_FALSE(shown<PopoverWindow>());
    EXPECT_EQ(windows.opened, (QStringList{"tutorial", "preferences"}));
}

// Without a tray the user is told once, not at every start, and the summary comes as a window,
// which a launcher and the item's menu open or raise but never close. Where the compositor places
// windows, the item's click toggles that window.
TEST_F(AppManagerTest, WithoutATrayTheSummaryIsAWindowAndTheUserIsToldOnce) {
    TestPlatform platform(sysfs);
    RecordingWindows windows;
    for (const bool trayInBetween : {false, false, true}) {
        AppManager manager(platform, settings, &windows);
        if (trayInBetween)
            platform.host.tray(true);
        platform.host.tray(false);
        manager.activate();
        ASSERT_TRUE(shown<PopoverWindow>());
        EXPECT_EQ(shown<PopoverWindow>()->windowType(), Qt::Window);
        platform.host.open();
        EXPECT_TRUE(shown<PopoverWindow>());
    }
    platform.notifications.deliver("end", "", false);
    QStringList notices;
    ASSERT_TRUE(waitFor([&] {
        notices = platform.notices(0);
        return notices.contains("end / ");
    }));
    EXPECT_EQ(notices
                  .filter("Ampra runs without a tray icon / Open it again from the "
                          "applications menu.")
                  .size(),
              2);

    platform.compositorPlaces = true;
    AppManager manager(platform, settings, &windows);
    platform.host.tray(true);
    const StatusItemClick item{QPoint(790, 5), QRect()};
    platform.host.click(item, Qt::NoModifier);
    ASSERT_TRUE(shown<PopoverWindow>());
    EXPECT_EQ(shown<PopoverWindow>()->windowTitle(), QGuiApplication::applicationDisplayName());
    EXPECT_EQ(shown<PopoverWindow>()->windowType(), Qt::Window);
    platform.host.click(item, Qt::NoModifier);
    EXPECT_FALSE(shown<PopoverWindow>());

    EXPECT_TRUE(manager.activateAction("preferences"));
    EXPECT_FALSE(manager.activateAction("print"));
    EXPECT_EQ(windows.opened, QStringList{"preferences"});
}

TEST_F(AppManagerTest, RunsWithoutAStoreWhenTheApplicationFolderIsAFile) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           "/com.vantrel.Ampra";
    QDir(folder).removeRecursively();
    ASSERT_TRUE(writeFile(folder, {})); // a file where the folder goes

    TestPlatform platform(sysfs);
    LogCapture log("helpers.persistance");
    AppManager manager(platform, settings);
    QCoreApplication::processEvents();
    EXPECT_FALSE(manager.applicationPersistance()->managedObjectContext());
    EXPECT_EQ(log.lines().size(), 1u); // logged, not shown
    update(manager, false, "42");      // the engine goes on, with nothing to store into
    EXPECT_TRUE(platform.host.title.startsWith("42%"));
    QFile::remove(folder);
}

} // namespace
