// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "stylekit/AmpraStyleKit.h"

#include <QImage>
#include <array>
#include <gtest/gtest.h>

namespace {

const QColor kStroke(0, 0, 255);
const QColor kFill(255, 0, 0);
constexpr int kRatio = 20; // every edge of the icons' geometry falls on a whole pixel

QImage upright(double charge, int ratio = kRatio) {
    return AmpraStyleKit::imageOfVerticalBatteryBlack(kStroke, kFill, {0, 0, 11, 22}, charge,
                                                      ratio);
}
QImage sideways(double charge, int ratio = kRatio) {
    return AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, charge,
                                                        ratio);
}

// Along the bar's middle line, in points: the gap from the outline to the fill, the fill, and the
// gap from the fill to the outline.
std::array<double, 3> bar(const QImage& image, bool lying) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QString line; // 's' for the outline, 'f' for the fill
    for (int i = 0; i < (lying ? pixels.width() : pixels.height()); ++i) {
        const QRgb pixel = lying ? pixels.pixel(i, pixels.height() / 2)
                                 : pixels.pixel(pixels.width() / 2, pixels.height() - 1 - i);
        line += pixel == kStroke.rgba() ? 's' : pixel == kFill.rgba() ? 'f' : '-';
    }
    const qsizetype first = line.indexOf('f'), end = line.lastIndexOf('f') + 1;
    if (first < 0)
        return {};
    return {double(first - line.lastIndexOf('s', first) - 1) / kRatio, double(end - first) / kRatio,
            double(line.indexOf('s', end) - end) / kRatio};
}

int alphaAt(const QImage& image, int x, int yUp) {
    return qAlpha(image.pixel(x, image.height() - 1 - yUp));
}

// The bar grows from the body's near end with the charge; a full one fills the body but for a gap
// of under a point at each end, and a charge above 100 is not clipped.
TEST(AmpraStyleKitTest, BarsGrowWithTheChargeAndAFullOneFillsTheBody) {
    for (const bool lying : {false, true}) {
        SCOPED_TRACE(lying ? "lying" : "upright");
        const auto draw = [lying](double charge) {
            return lying ? sideways(charge) : upright(charge);
        };
        EXPECT_EQ(bar(draw(0), lying)[1], 0.0);
        const auto half = bar(draw(50), lying), full = bar(draw(100), lying);
        for (const double gap : {full[0], full[2]})
            EXPECT_TRUE(gap > 0 && gap < 1) << gap;
        EXPECT_EQ(half[0], full[0]);
        EXPECT_NEAR(half[1], full[1] / 2, 1.0 / kRatio);
        EXPECT_GT(bar(draw(120), lying)[1], full[1]);
    }
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
                    pixels.pixel(x, y) != kStroke.rgba() && qAlpha(pixels.pixel(x, y)) == 255;
        EXPECT_EQ(foreign, 0);
    }
    // The bolt crosses the middle.
    EXPECT_EQ(alphaAt(up, 8 * kRatio, 11 * kRatio), 255);
    EXPECT_EQ(alphaAt(side, 9 * kRatio, 11 * kRatio), 255);
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
