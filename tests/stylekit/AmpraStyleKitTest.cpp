// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "stylekit/AmpraStyleKit.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor kStroke(0, 0, 255);
const QColor kFill(255, 0, 0);
constexpr int kRatio = 20; // every edge of the icons' geometry falls on a whole pixel

QImage upright(double charge, int ratio = kRatio) {
    return AmpraStyleKit::imageOfVerticalBatteryBlack(kStroke, kFill, {0, 0, 11, 22}, charge,
                                                      ratio);
}
QImage lying(double charge, int ratio = kRatio) {
    return AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, charge,
                                                        ratio);
}

// The extent {left, right, bottom, top}, in the icon's points with y up, of the pixels painted
// exactly in `color`; empty when there are none.
std::vector<double> extentOf(const QImage& image, const QColor& color,
                             const std::function<bool(int x, int y)>& inside = {}) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.pixel(x, y) == color.rgba() && (!inside || inside(x, y)))
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return {};
    const double h = pixels.height(), ratio = image.devicePixelRatio();
    return {box.left() / ratio, (box.right() + 1) / ratio, (h - box.bottom() - 1) / ratio,
            (h - box.top()) / ratio};
}

void expectExtent(const std::vector<double>& extent, const std::vector<double>& expected) {
    ASSERT_EQ(extent.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(extent[i], expected[i], 1.0 / kRatio) << "edge " << i;
}

int alphaAt(const QImage& image, int x, int yUp) {
    return qAlpha(image.pixel(x, image.height() - 1 - yUp));
}

TEST(AmpraStyleKitTest, BarsGrowWithTheChargeAndTerminalsSitOnTheBodyEnd) {
    EXPECT_TRUE(extentOf(upright(0), kFill).empty());
    expectExtent(extentOf(upright(50), kFill), {2.75, 8.25, 3.85, 10.45});
    expectExtent(extentOf(upright(100), kFill), {2.75, 8.25, 3.85, 0.775 * 22});
    EXPECT_GT(extentOf(upright(120), kFill)[3], 0.8375 * 22); // nothing clips above 100
    EXPECT_TRUE(extentOf(lying(0), kFill).empty());
    expectExtent(extentOf(lying(50), kFill), {2.75, 2.75 + 0.65 * 22 / 2, 7.7, 14.3});
    expectExtent(extentOf(lying(100), kFill), {2.75, 0.775 * 22, 7.7, 14.3});

    // Beyond the body's end line, which covers 18 to 19.
    expectExtent(extentOf(upright(0), kStroke, [](int, int y) { return y < 3 * kRatio; }),
                 {3.85, 7.15, 19, 19.8});
    expectExtent(extentOf(lying(0), kStroke, [](int x, int) { return x >= 19 * kRatio; }),
                 {19, 20.35, 8.8, 13.2});
}

TEST(AmpraStyleKitTest, OnePointLinesCoverWholePixelsAtStatusBarSize) {
    // The upright body spans 1.5 to 10.5 across and 2.5 to 18.5 up: its lines fill whole pixels
    // and leave their neighbours untouched, at one and at two pixels a point.
    const QImage single = upright(0, 1), twice = upright(0, 2);
    ASSERT_EQ(twice.size(), QSize(22, 44));
    const int points[][3] = {{1, 10, 255}, {10, 10, 255}, {5, 2, 255}, {5, 18, 255},
                             {0, 10, 0},   {2, 10, 0},    {5, 1, 0},   {5, 3, 0}};
    for (const auto& [x, y, alpha] : points) {
        EXPECT_EQ(alphaAt(single, x, y), alpha) << x << "," << y;
        EXPECT_EQ(alphaAt(twice, 2 * x, 2 * y), alpha) << x << "," << y;
        EXPECT_EQ(alphaAt(twice, 2 * x + 1, 2 * y + 1), alpha) << x << "," << y;
    }
}

TEST(AmpraStyleKitTest, ChargingIconsShowOutlineAndBoltInTheStrokeColourOnly) {
    const QImage up = AmpraStyleKit::imageOfBatteryCharging({0, 0, 16, 22}, kStroke, kRatio);
    const QImage side = AmpraStyleKit::imageOfBatteryChargingH({0, 0, 22, 22}, kStroke, kRatio);
    for (const QImage& image : {up, side}) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
        int foreign = 0;
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                foreign +=
                    qAlpha(pixels.pixel(x, y)) == 255 && pixels.pixel(x, y) != kStroke.rgba();
        EXPECT_EQ(foreign, 0);
    }
    EXPECT_EQ(alphaAt(up, 8 * kRatio, 11 * kRatio), 255); // the bolt crosses the middle
    EXPECT_EQ(alphaAt(side, 9 * kRatio, 11 * kRatio), 255);
    expectExtent(extentOf(up, kStroke), {2, 15, 2, 0.9 * 22});
}

} // namespace

TEST(AmpraStyleKitTest, StepMarkersStandOnTheLineAndVanishOutOfSight) {
    const QRectF strip(0, 0, 300, 60);
    const QColor nav = AmpraStyleKit::navBarBackgroundColor();
    // Tabs selected and hovered at, a point and whether the marker paints it.
    const std::tuple<qreal, qreal, QPoint, bool> rows[] = {
        {100, 100, {150, 42}, true},  // the line, 17 points above the bottom
        {100, 100, {20, 42}, false},  // 26 points in from each side
        {100, 100, {125, 20}, true},  // the filled tab
        {100, 100, {125, 45}, false}, // nothing under the line
        {-50, 200, {201, 33}, true},  // a dash of the outline's left side
        {-50, 200, {225, 30}, false}, // an outline is hollow
        {-50, -50, {0, 33}, false},   // markers out of sight leave no trace
    };
    for (const auto& [selected, hovered, point, painted] : rows) {
        const QImage image =
            AmpraStyleKit::imageOfCalibrationStepsBackground(strip, selected, hovered, 2);
        EXPECT_EQ(image.pixelColor(point * 2).rgba() == nav.rgba(), painted)
            << point.x() << ',' << point.y();
    }
}
