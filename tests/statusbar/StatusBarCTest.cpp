// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "statusbar/StatusBarC.h"

#include "battery/BatteryData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "statusbar/StatusBarCDelegate.h"
#include "stylekit/AmpraStyleKit.h"
#include "support/Contrast.h"
#include "support/FixedAppearance.h"
#include "support/LogCapture.h"
#include "support/RecordingStatusItemHost.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

class MockDelegate : public StatusBarCDelegate {
public:
    MOCK_METHOD(void, statusBarControllerRequest, (StatusBarC&, const StatusItemClick&),
                (override));
    MOCK_METHOD(void, statusBarControllerRequestForPreferencesWindow, (StatusBarC&), (override));
};

class StatusBarCTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    AmpraConfiguration configuration{store};
    PreferenceProvider& preferences = configuration.preferences();
    FixedAppearance appearance;
    RecordingStatusItemHost host;
    StatusBarC controller{configuration, &host, appearance};
    BatteryData battery;
    CalibrationData data{battery, CalibrationState::calibrated, AlgorithmState::initCalibration};

    StatusBarContent content() { return controller.contentForData(data); }
    void texts(bool time, bool percentage, bool icon = true) {
        preferences.setShowTime(time);
        preferences.setShowPercentage(percentage);
        preferences.setShowIcon(icon);
    }
    void sample(uint64_t charge, uint64_t toEmpty, uint64_t toFull, bool charged) {
        battery.currentChargePercentage = charge;
        battery.timeToEmpty = toEmpty;
        battery.timeToFull = toFull;
        battery.isCharged = charged;
    }
};

TEST_F(StatusBarCTest, TitlesFollowTheTextSettings) {
    const struct {
        bool time, percentage;
        uint64_t charge, toEmpty, toFull;
        bool charged;
        const char* title;
    } rows[] = {
        {true, true, 85, 125, 0, false, "85% (2:05)"}, {true, true, 62, 0, 48, false, "62% (0:48)"},
        {true, true, 100, 0, 0, true, "100%"},         {true, true, 97, 0, 0, false, "97% (...)"},
        {true, false, 50, 45, 0, false, "0:45"},       {true, false, 50, 1500, 0, false, "1:00"},
        {true, false, 50, 0, 0, false, "..."},         {true, false, 50, 0, 90, false, "1:30"},
        {false, true, 7, 30, 0, false, "7%"},
    };
    for (const auto& row : rows) {
        texts(row.time, row.percentage);
        sample(row.charge, row.toEmpty, row.toFull, row.charged);
        EXPECT_EQ(content().title, QString(row.title)) << row.title;
    }

    // Held at a charge limit on mains, the battery waits for nothing; charging up
    // to it, it does.
    texts(true, true);
    sample(80, 0, 0, false);
    battery.chargeLimit = 80;
    EXPECT_EQ(content().title, QString("80%"));
    battery.isCharging = true;
    battery.currentChargePercentage = 60;
    EXPECT_EQ(content().title, QString("60% (...)"));

    texts(false, false, true);
    EXPECT_FALSE(content().title); // image alone
    // Some hosts show only the tooltip's title: it has the charge whatever the
    // title shows.
    EXPECT_EQ(content().toolTip, "Ampra — 60% (...)");
    texts(false, false, false);
    EXPECT_EQ(content().title, QString("A"));
    EXPECT_FALSE(content().icon);
}

TEST_F(StatusBarCTest, FillColourFollowsTheChargeBandsAndTheAppearance) {
    battery.powerSource = PowerSourceType::batteryPowered;
    const std::tuple<uint64_t, bool, QColor> bands[] = {
        {19, false, AmpraStyleKit::almostEmptyFillColor()},
        {20, true, AmpraStyleKit::chargingFillColor()},
        {20, false, AmpraStyleKit::dischargingFillColor()},
        {98, false, AmpraStyleKit::dischargingFillColor()},
        {99, false, AmpraStyleKit::fullBatteryFillColor()},
        {100, true, AmpraStyleKit::fullBatteryFillColor()}};
    for (const auto& [charge, charging, fill] : bands) {
        battery.currentChargePercentage = charge;
        battery.isCharging = charging;
        const StatusBarContent shown = content();
        ASSERT_TRUE(shown.icon);
        EXPECT_EQ(shown.icon->fillColor, fill) << charge;
        EXPECT_EQ(shown.icon->kind, StatusBarIcon::Kind::verticalBattery);
        EXPECT_FALSE(shown.isTemplate);
    }

    LogCapture log("ui.statusbar");
    battery.currentChargePercentage = 101;
    const StatusBarContent overfull = content();
    EXPECT_EQ(overfull.icon->fillColor, overfull.icon->strokeColor);
    EXPECT_EQ(log.count("Unknown charge value to set in the status bar"), 1);

    appearance.style = "Dark"; // a dark panel gets the plain white template icon
    battery.currentChargePercentage = 50;
    const StatusBarContent dark = content();
    EXPECT_TRUE(dark.isTemplate);
    EXPECT_EQ(QList({dark.icon->strokeColor, dark.icon->fillColor}), QList<QColor>(2, Qt::white));

    appearance.style = "Light";
    battery.powerSource = PowerSourceType::acPowered; // the bolt, whatever the charge
    preferences.setUseVerticalIcons(false);
    const StatusBarContent mains = content();
    EXPECT_EQ(mains.icon->kind, StatusBarIcon::Kind::chargingH);
    EXPECT_EQ(mains.icon->fillColor, mains.icon->strokeColor);
}

// The tray draws the icon again only when its source text changes.
TEST_F(StatusBarCTest, TheIconsSourceChangesWithEachInputOfTheIconAndNothingElse) {
    battery.powerSource = PowerSourceType::batteryPowered;
    sample(50, 120, 0, false);
    const std::tuple<const char*, std::function<void()>, bool> steps[] = {
        {"nothing", [] {}, false},
        {"the time", [&] { battery.timeToEmpty = 119; }, false},
        {"the charge", [&] { battery.currentChargePercentage = 49; }, true},
        {"the fill colour", [&] { battery.isCharging = true; }, true},
        {"the orientation", [&] { preferences.setUseVerticalIcons(false); }, true},
        {"the colouring", [&] { preferences.setUseColoredStatusBarIcon(false); }, true},
        {"the appearance", [&] { appearance.style = "Dark"; }, true},
        {"the power source", [&] { battery.powerSource = PowerSourceType::acPowered; }, true},
        {"the charge beside the bolt", [&] { battery.currentChargePercentage = 48; }, false},
        {"the figure inside", [&] { store.setBool(true, AmpraPreferences::kShowPercentageInIcon); },
         true},
        {"the charge inside, on mains", [&] { battery.currentChargePercentage = 47; }, true},
    };
    controller.refreshContentWithData(data);
    for (const auto& [change, apply, changesIcon] : steps) {
        const QByteArray before = host.drawnFrom;
        apply();
        controller.refreshContentWithData(data);
        EXPECT_EQ(host.drawnFrom != before, changesIcon) << change;
    }
}

TEST_F(StatusBarCTest, ClicksAndTheMenuReachTheDelegateExceptControlClicks) {
    MockDelegate delegate;
    controller.delegate = &delegate;
    // The click's place goes with it, so that the popover can open there.
    const StatusItemClick click{QPoint(10, 10), QRect(0, 0, 22, 22)};
    EXPECT_CALL(delegate, statusBarControllerRequest(testing::Ref(controller), click));
    EXPECT_CALL(delegate, statusBarControllerRequestForPreferencesWindow(testing::Ref(controller)));
    host.click(click, Qt::ControlModifier);
    EXPECT_FALSE(host.highlighted);
    host.click(click, Qt::NoModifier);
    EXPECT_TRUE(host.highlighted);
    host.preferences();
}

TEST_F(StatusBarCTest, AThemeChangeRedrawsTheIconAtOnce) {
    appearance.interfaceStyleChanged(); // nothing shown yet: nothing to redraw
    EXPECT_EQ(host.contentUpdates, 0);
    controller.refreshContentWithData(data);
    ASSERT_FALSE(host.isTemplate);
    const QImage light = host.drawer(22);
    appearance.style = "Dark";
    appearance.interfaceStyleChanged();
    EXPECT_EQ(host.contentUpdates, 2);
    EXPECT_TRUE(host.isTemplate);
    EXPECT_NE(host.drawer(22), light);
}

// The figure inside the icon reads at the smallest tray size: ink on an empty
// battery, a hole (filled by the halo) in a full one.
TEST_F(StatusBarCTest, DrawsAReadablePercentageInsideTheIcon) {
    store.setBool(true, AmpraPreferences::kShowPercentageInIcon);
    const auto inkInMiddle = [&](uint64_t charge) {
        battery.currentChargePercentage = charge;
        controller.refreshContentWithData(data);
        const QImage icon = host.drawer(16);
        const QColor ink = content().icon->strokeColor;
        int count = 0;
        for (int y = 5; y <= 10; ++y)
            for (int x = 3; x <= 11; ++x)
                count += contrast(icon.pixelColor(x, y), ink) < 1.5 &&
                         icon.pixelColor(x, y).alpha() > 128;
        return count;
    };
    for (const char* style : {"Light", "Dark"}) {
        appearance.style = style;
        EXPECT_GT(inkInMiddle(0), 8) << style;
        EXPECT_LT(inkInMiddle(100), 9 * 6 - 8) << style;
    }
}

// The icon in its square slot, centred as the host centres it.
QImage inSlot(const QImage& icon, int pixels) {
    QImage slot(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    slot.fill(Qt::transparent);
    QPainter(&slot).drawImage((pixels - icon.width()) / 2, (pixels - icon.height()) / 2, icon);
    return slot;
}

// The icon on the panel, looked at as a user does: along the middle row and column from each
// side a third of the way in, the outline must stand out somewhere; the weakest side counts. With
// `middle`, so must something in the middle third: the bolt.
double contrastOnPanel(const QImage& icon, const QColor& panel, bool middle) {
    QImage shown(icon.size(), QImage::Format_ARGB32);
    shown.fill(panel);
    QPainter(&shown).drawImage(0, 0, icon);
    const int n = shown.width(), third = n / 3;
    const auto strongest = [&](int x, int y, int dx, int dy, int steps) {
        double best = 1;
        for (int i = 0; i < steps; ++i)
            best = std::max(best, contrast(shown.pixelColor(x + i * dx, y + i * dy), panel));
        return best;
    };
    const double weakest =
        std::min({strongest(0, n / 2, 1, 0, third + 1), strongest(n - 1, n / 2, -1, 0, third + 1),
                  strongest(n / 2, 0, 0, 1, third + 1), strongest(n / 2, n - 1, 0, -1, third + 1)});
    double bolt = 1;
    for (int y = third; middle && y < n - third; ++y)
        bolt = std::max(bolt, strongest(third, y, 1, 0, n - 2 * third));
    return middle ? std::min(weakest, bolt) : weakest;
}

// Whichever lightness was guessed for the panel, outline and bolt stand out on it at each size a
// host may take, and when a host scales the largest down: light or dark, upright or lying, on
// battery or on mains.
TEST_F(StatusBarCTest, TheIconStandsOutOnAnyPanel) {
    sample(0, 60, 0, false);
    for (int variant = 0; variant < 8; ++variant) {
        appearance.style = variant & 1 ? "Dark" : "Light";
        preferences.setUseVerticalIcons(variant & 2);
        const bool mains = variant & 4;
        battery.powerSource = mains ? PowerSourceType::acPowered : PowerSourceType::batteryPowered;
        controller.refreshContentWithData(data);
        std::vector<std::pair<int, QImage>> icons{
            {0, inSlot(host.drawer(64), 64)
                    .scaled(22, 22, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)}};
        for (const int size : {16, 22, 24, 32, 48, 64})
            icons.emplace_back(size, inSlot(host.drawer(size), size));
        for (const QColor& panel : {QColor(Qt::black), QColor(Qt::white), QColor(0x353535),
                                    QColor(0x2980b9), QColor(0xdcdad5)})
            for (const auto& [size, icon] : icons) // size 0: 64 scaled to 22
                EXPECT_GE(contrastOnPanel(icon, panel, mains), 3.0)
                    << "variant " << variant << " size " << size << " on "
                    << panel.name().toStdString();
    }
    // Who chose the panel's lightness gets the plain icon.
    store.setObject(QStringLiteral("dark"), AmpraPreferences::kPanelAppearance);
    EXPECT_FALSE(content().icon->haloColor.isValid());
}

} // namespace
