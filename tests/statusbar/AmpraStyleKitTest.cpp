#include "statusbar/AmpraStyleKit.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor kStroke(0, 0, 255);
const QColor kFill(255, 0, 0);
// At this ratio every edge of the icons' geometry falls on a whole pixel.
constexpr int kRatio = 20;

// The extent, in the icon's points with y up, of the pixels painted exactly in `color`.
struct Extent {
    bool empty = true;
    double left = 0, right = 0, bottom = 0, top = 0;
};

Extent extentOf(const QImage& image, const QColor& color,
                const std::function<bool(int x, int y)>& inside = {}) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.pixel(x, y) == color.rgba() && (!inside || inside(x, y)))
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return {};
    const double ratio = image.devicePixelRatio();
    return {false, box.left() / ratio, (box.right() + 1) / ratio,
            (pixels.height() - box.bottom() - 1) / ratio, (pixels.height() - box.top()) / ratio};
}

void expectExtent(const Extent& extent, double left, double right, double bottom, double top) {
    constexpr double pixel = 1.0 / kRatio;
    ASSERT_FALSE(extent.empty);
    EXPECT_NEAR(extent.left, left, pixel);
    EXPECT_NEAR(extent.right, right, pixel);
    EXPECT_NEAR(extent.bottom, bottom, pixel);
    EXPECT_NEAR(extent.top, top, pixel);
}

// Alpha at a point of a one-to-one image given in y-up pixel coordinates.
int alphaAt(const QImage& image, int x, int yUp) {
    return qAlpha(image.pixel(x, image.height() - 1 - yUp));
}

TEST(AmpraStyleKitTest, DerivesTheFillColoursFromTheBaseGreen) {
    const QColor& base = AmpraStyleKit::batteryFillColor();
    const QColor& full = AmpraStyleKit::fullBatteryFillColor();
    EXPECT_NEAR(full.hsvHueF(), base.hsvHueF(), 1e-3);
    EXPECT_NEAR(full.hsvSaturationF(), base.hsvSaturationF(), 1e-3);
    EXPECT_NEAR(full.valueF(), 0.9, 1e-3);

    const QColor& almostEmpty = AmpraStyleKit::almostEmptyFillColor();
    EXPECT_NEAR(almostEmpty.hsvHueF(), 0.0, 1e-3);
    EXPECT_NEAR(almostEmpty.hsvSaturationF(), base.hsvSaturationF(), 1e-3);
    EXPECT_NEAR(almostEmpty.valueF(), base.valueF(), 1e-3);
    EXPECT_GT(almostEmpty.redF(), almostEmpty.greenF());

    const QColor& charging = AmpraStyleKit::chargingFillColor();
    EXPECT_NEAR(charging.redF(), 0.321 * 0.9, 1e-3);
    EXPECT_NEAR(charging.greenF(), 0.812 * 0.9, 1e-3);
    EXPECT_NEAR(charging.blueF(), 0.092 * 0.9, 1e-3);
    EXPECT_EQ(charging.alphaF(), 1.0);
    // Created once and shared.
    EXPECT_EQ(&AmpraStyleKit::chargingFillColor(), &charging);
}

TEST(AmpraStyleKitTest, MissingNamedFontsFallBackToTheSystemFontAtTwelvePoints) {
    if (QFontDatabase::hasFamily(QStringLiteral("Avenir Next")))
        GTEST_SKIP() << "Avenir Next is installed here";
    const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const QFont& font : {AmpraStyleKit::basicLabelFont(20), AmpraStyleKit::basicValueFont(),
                              AmpraStyleKit::HelpTitleFont(), AmpraStyleKit::HelpTextFont(),
                              AmpraStyleKit::StepsInformationFont()}) {
        EXPECT_EQ(font.family(), system);
        EXPECT_EQ(font.pointSizeF(), 12);
    }
}

TEST(AmpraStyleKitTest, TextStylesCarryTheirAttributesOrNoneWhenTheirFamilyIsMissing) {
    if (QFontDatabase::hasFamily(QStringLiteral("Montserrat")) ||
        QFontDatabase::hasFamily(QStringLiteral("Avenir Next")))
        GTEST_SKIP() << "the named families are installed here";
    for (const StyledText& bare :
         {AmpraStyleKit::appTitleAttributedStringWithValue("Ampra"),
          AmpraStyleKit::ringTitleAttributedStringWithValue("Ring"),
          AmpraStyleKit::tutorialTextAttributedStringWithValue("Text"),
          AmpraStyleKit::tutorialTitleAttributedStringWithValue("Title")}) {
        EXPECT_FALSE(bare.hasAttributes);
        EXPECT_FALSE(bare.font.has_value());
        EXPECT_FALSE(bare.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    const StyledText label = AmpraStyleKit::basicLabelAttributedStringWithValue("Cycles");
    EXPECT_EQ(label.text, "Cycles");
    ASSERT_TRUE(label.font && label.paragraph);
    EXPECT_EQ(label.font->pointSizeF(), 12);
    EXPECT_EQ(label.foregroundColor, AmpraStyleKit::mainLabelTextColor());
    EXPECT_EQ(label.backgroundColor.alpha(), 0);
    EXPECT_EQ(label.paragraph->alignment, Qt::AlignLeft);
    EXPECT_LE(label.blockFormat().lineHeight(), 14);
    EXPECT_EQ(label.charFormat().foreground().color(), AmpraStyleKit::mainLabelTextColor());

    const StyledText step = AmpraStyleKit::stepTitleAttributedStringWithValue("Step");
    EXPECT_EQ(step.paragraph->alignment, Qt::AlignHCenter);
    EXPECT_EQ(AmpraStyleKit::helpTitleAttributedStringWithValue("Help").paragraph->alignment,
              Qt::AlignLeft);

    const StyledText table = AmpraStyleKit::tableTextAttributedStringWithValue("12");
    EXPECT_TRUE(table.hasAttributes);
    EXPECT_FALSE(table.font.has_value());
    EXPECT_FALSE(table.charFormat().hasProperty(QTextFormat::FontFamilies));
    EXPECT_EQ(table.blockFormat().alignment(), Qt::AlignHCenter);
}

TEST(AmpraStyleKitTest, BarsGrowWithTheChargeUpwardOrToTheRight) {
    auto upright = [](double p) {
        return extentOf(
            AmpraStyleKit::imageOfVerticalBatteryBlack(kStroke, kFill, {0, 0, 11, 22}, p, kRatio),
            kFill);
    };
    auto lying = [](double p) {
        return extentOf(
            AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, p, kRatio),
            kFill);
    };
    EXPECT_TRUE(upright(0).empty);
    expectExtent(upright(50), 2.75, 8.25, 3.85, 10.45);
    expectExtent(upright(100), 2.75, 8.25, 3.85, 0.775 * 22);
    // Nothing clips a charge above 100.
    EXPECT_GT(upright(120).top, 0.8375 * 22);

    EXPECT_TRUE(lying(0).empty);
    expectExtent(lying(50), 2.75, 2.75 + 0.65 * 22 / 2, 7.7, 14.3);
    expectExtent(lying(100), 2.75, 0.775 * 22, 7.7, 14.3);
}

TEST(AmpraStyleKitTest, TerminalsSitCentredOnTheBodyEnd) {
    const QImage upright =
        AmpraStyleKit::imageOfVerticalBatteryBlack(kStroke, kFill, {0, 0, 11, 22}, 0, kRatio);
    // Above the body's top line (which covers 18 to 19).
    expectExtent(extentOf(upright, kStroke, [](int, int y) { return y < (22 - 19) * kRatio; }),
                 3.85, 7.15, 19, 19.8);

    const QImage lying =
        AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, 0, kRatio);
    // Right of the body's right line (which covers 18 to 19).
    expectExtent(extentOf(lying, kStroke, [](int x, int) { return x >= 19 * kRatio; }), 19, 20.35,
                 8.8, 13.2);
}

TEST(AmpraStyleKitTest, OnePointLinesCoverWholePixelsAtStatusBarSize) {
    // Pixels (x, y up) that a body line fills entirely, and neighbours it leaves untouched.
    struct Probe {
        QImage image;
        QList<QPoint> covered;
        QList<QPoint> clear;
    };
    const Probe probes[] = {
        // Body from 1.5 to 10.5 across and 2.5 to 18.5 up.
        {AmpraStyleKit::imageOfVerticalBatteryBlack(kStroke, kFill, {0, 0, 11, 22}, 0),
         {{1, 10}, {10, 10}, {5, 2}, {5, 18}},
         {{0, 10}, {2, 10}, {9, 10}, {5, 1}, {5, 3}, {5, 17}}},
        // Body from 1.5 to 18.5 across and 6.5 to 16.5 up.
        {AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, 0),
         {{1, 11}, {18, 11}, {10, 6}, {10, 16}},
         {{0, 11}, {2, 11}, {10, 5}, {10, 7}, {10, 17}}},
        // Twice the pixels: the line is two pixels wide and still whole.
        {AmpraStyleKit::imageOfHorizontalBatteryBlack(kStroke, kFill, {0, 0, 22, 22}, 0, 2),
         {{2, 22}, {3, 22}},
         {{1, 22}, {4, 22}}},
    };
    EXPECT_EQ(probes[0].image.size(), QSize(11, 22));
    EXPECT_EQ(probes[2].image.size(), QSize(44, 44));
    for (const Probe& probe : probes) {
        for (const QPoint& pixel : probe.covered)
            EXPECT_EQ(alphaAt(probe.image, pixel.x(), pixel.y()), 255)
                << pixel.x() << "," << pixel.y();
        for (const QPoint& pixel : probe.clear)
            EXPECT_EQ(alphaAt(probe.image, pixel.x(), pixel.y()), 0)
                << pixel.x() << "," << pixel.y();
    }
}

TEST(AmpraStyleKitTest, ChargingIconsShowOutlineAndBoltInTheStrokeColourOnly) {
    const QImage upright = AmpraStyleKit::imageOfBatteryCharging({0, 0, 16, 22}, kStroke, kRatio);
    const QImage lying = AmpraStyleKit::imageOfBatteryChargingH({0, 0, 22, 22}, kStroke, kRatio);
    for (const QImage& image : {upright, lying}) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
        int foreign = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                const QRgb pixel = pixels.pixel(x, y);
                foreign += qAlpha(pixel) == 255 && pixel != kStroke.rgba();
            }
        }
        EXPECT_EQ(foreign, 0);
    }
    // The bolt crosses the middle of the body; the outline and terminal match the plain icons.
    EXPECT_EQ(alphaAt(upright, 8 * kRatio, 11 * kRatio), 255);
    EXPECT_EQ(alphaAt(lying, 9 * kRatio, 11 * kRatio), 255);
    expectExtent(extentOf(lying, kStroke, [](int x, int) { return x >= 19 * kRatio; }), 19, 20.35,
                 8.8, 13.2);
    expectExtent(extentOf(upright, kStroke), 2, 15, 2, 0.9 * 22);
}

// Not a check: the icons at status-bar size and magnified, for people to look at.
TEST(AmpraStyleKitTest, WritesTheIconTableForPeopleToLookAt) {
    const QDir folder(QStringLiteral(AMPRA_BUILD_DIR "/statusbar-icons"));
    ASSERT_TRUE(folder.mkpath("."));
    const QColor lightStroke = QColor::fromRgbF(0.22f, 0.243f, 0.263f, 1);
    struct Style {
        const char* name;
        QColor stroke;
        QColor background;
        bool coloured;
    };
    const Style styles[] = {{"light-coloured", lightStroke, QColor(236, 236, 236), true},
                            {"light-plain", lightStroke, QColor(236, 236, 236), false},
                            {"dark", Qt::white, QColor(40, 40, 40), false}};
    auto fillFor = [](int p, const QColor& stroke, bool coloured) {
        if (!coloured)
            return stroke;
        if (p <= 19)
            return AmpraStyleKit::almostEmptyFillColor();
        return p >= 99 ? AmpraStyleKit::fullBatteryFillColor()
                       : AmpraStyleKit::dischargingFillColor();
    };
    const int charges[] = {0, 10, 19, 20, 50, 98, 99, 100};
    constexpr int kCell = 24;
    constexpr int kZoom = 6;
    const int columns = 2 * std::size(charges) + 2;
    QImage sheet(columns * kCell, std::size(styles) * kCell, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    int row = 0;
    for (const Style& style : styles) {
        painter.fillRect(0, row * kCell, sheet.width(), kCell, style.background);
        QList<std::pair<QString, QImage>> icons;
        for (int p : charges) {
            const QColor fill = fillFor(p, style.stroke, style.coloured);
            icons.append({QString("vertical-%1").arg(p),
                          AmpraStyleKit::imageOfVerticalBatteryBlack(style.stroke, fill,
                                                                     {0, 0, 11, 22}, p)});
            icons.append({QString("horizontal-%1").arg(p),
                          AmpraStyleKit::imageOfHorizontalBatteryBlack(style.stroke, fill,
                                                                       {0, 0, 22, 22}, p)});
        }
        icons.append(
            {"charging", AmpraStyleKit::imageOfBatteryCharging({0, 0, 16, 22}, style.stroke)});
        icons.append(
            {"charging-h", AmpraStyleKit::imageOfBatteryChargingH({0, 0, 22, 22}, style.stroke)});
        int column = 0;
        for (const auto& [name, icon] : icons) {
            ASSERT_TRUE(icon.save(folder.filePath(QString("%1-%2.png").arg(style.name, name))));
            painter.drawImage(column++ * kCell + 1, row * kCell + 1, icon);
        }
        ++row;
    }
    painter.end();
    ASSERT_TRUE(sheet.save(folder.filePath("sheet.png")));
    ASSERT_TRUE(sheet.scaled(sheet.size() * kZoom).save(folder.filePath("sheet-magnified.png")));
}

} // namespace
