// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Renders the popover in the situations worth looking at, at scale 1 and 2,
// into <build>/popover-pictures, and checks the pixels that tell the situations
// apart.

#include "battery/BatteryData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPRingBackgroundV.h"
#include "popover/AMPSummaryMasterVC.h"
#include "popover/PopoverWindow.h"
#include "popover/RingButton.h"
#include "stylekit/AmpraStyleKit.h"
#include "support/FakeDateProvider.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Tab = AMPDetailViewFactory::Tab;

struct Situation {
    const char* name;
    std::function<void(BatteryData&, CalibrationData&)> reading; // none: no data yet
    Tab probe;                                                   // the ring whose arc is checked
    QColor arcColour;                                            // at the top of that ring
    std::optional<Tab> hovered = std::nullopt;
    std::optional<Tab> selected = std::nullopt;
};

const Situation situations[] = {
    {"no-data", nullptr, Tab::charge, AmpraStyleKit::ringsBackgroundColor()},
    {"poor-15",
     [](BatteryData& battery, CalibrationData&) {
         battery.currentChargePercentage = 15;
         battery.currectCapacity = 2900;
         battery.batteryHealth = BatteryHealthType::poor;
     },
     Tab::health, AmpraStyleKit::ringBadStateColor()},
    {"no-battery", [](BatteryData& battery, CalibrationData&) { battery.noBattery = true; },
     Tab::charge, QColor::fromRgbF(0.985f, 0.985f, 0.985f)},
    {"hovered-selected", [](BatteryData&, CalibrationData&) {}, Tab::calibration,
     AmpraStyleKit::ringMediumStateColor(), Tab::charge, Tab::calibration},
};

class PopoverPicturesTest : public testing::TestWithParam<Situation> {};

TEST_P(PopoverPicturesTest, DrawsTheSituation) {
    const Situation& situation = GetParam();
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.json")};
    AmpraConfiguration configuration{store};
    FakeDateProvider clock;
    BatteryData battery;
    battery.currentChargePercentage = 57;
    battery.designCapacity = 5000;
    battery.currectCapacity = 4600;
    CalibrationData data{battery, CalibrationState::calibrated, AlgorithmState::initCalibration};
    data.nextCalibrationDate = clock.now().addDays(12).addSecs(3600);

    auto* summary = new AMPSummaryMasterVC(configuration, clock, nullptr);
    PopoverWindow popover(summary);
    if (situation.reading) {
        situation.reading(battery, data);
        summary->refreshContentWithData(data);
    }
    if (situation.hovered)
        summary->ringBackground(*situation.hovered)->setHovered(true);
    if (situation.selected)
        summary->ringButtonAction(*situation.selected);
    popover.showAt(QPoint(100, 40), QPoint(160, 30));

    const QString folder = QString(AMPRA_BUILD_DIR) + "/popover-pictures";
    QDir().mkpath(folder);
    const RingButton* probe = summary->ringButton(situation.probe);
    const QPoint ringTop = probe->mapTo(&popover, QPoint(55, 13));
    for (int scale : {1, 2}) {
        QImage image(popover.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        popover.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        ASSERT_TRUE(image.save(QString("%1/%2@%3x.png").arg(folder, situation.name).arg(scale)));
        const QColor arc = image.pixelColor(ringTop * scale);
        for (const auto& [shown, expected] : {std::pair{arc.redF(), situation.arcColour.redF()},
                                              {arc.greenF(), situation.arcColour.greenF()},
                                              {arc.blueF(), situation.arcColour.blueF()}})
            EXPECT_NEAR(shown, expected, 0.02) << scale;
        // The arrow's tip points at the item, the corners beside it are
        // transparent.
        EXPECT_EQ(image.pixelColor(QPoint(60, 1) * scale).alpha(), 255) << scale;
        EXPECT_EQ(image.pixelColor(QPoint(0, 0)).alpha(), 0) << scale;
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, PopoverPicturesTest, testing::ValuesIn(situations),
                         [](const testing::TestParamInfo<Situation>& info) {
                             return QString(info.param.name).replace('-', '_').toStdString();
                         });

// The arrow points at the item from whichever side the popover opened on, never
// past the corners.
TEST(PopoverWindowTest, ArrowPointsAtTheItem) {
    struct Row {
        QPoint topLeft, anchor;
        bool up;
        int x;
    };
    auto* content = new QWidget;
    content->setFixedSize(440, 150);
    PopoverWindow popover(content);
    const int edge = PopoverWindow::kCornerRadius + PopoverWindow::kArrowWidth / 2;
    const Row rows[] = {
        {{800, 30}, {1000, 12}, true, 200},        // under a top panel
        {{800, 600}, {1000, 780}, false, 200},     // over a bottom panel
        {{840, 30}, {1279, 12}, true, 440 - edge}, // item at the screen's right edge
        {{0, 30}, {0, 12}, true, edge},            // and at its left edge
    };
    for (const Row& row : rows) {
        popover.showAt(row.topLeft, row.anchor);
        EXPECT_EQ(popover.arrowUp(), row.up) << row.x;
        EXPECT_EQ(popover.arrowX(), row.x);
        popover.hide();
    }
    popover.showAt(std::nullopt, QPoint(1000, 12)); // placed by the window system
    EXPECT_EQ(popover.arrowX(), 220);
}

} // namespace
