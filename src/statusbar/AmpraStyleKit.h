// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "statusbar/StyledText.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// The drawing kit: the palette, the named fonts and text styles every view uses by name, and the
// status-bar battery icons.
//
// The icons are drawn into an unflipped space (origin at the bottom left, y growing upward): the
// draw operations expect a painter already set up so, as the image operations do. A frame is in
// points; an image is made at the frame's size times `pixelRatio`, which the caller picks as a
// whole number so that one-point lines stay on whole pixels.
class AmpraStyleKit {
public:
    AmpraStyleKit() = delete;

    static const QColor& batteryFillColor();
    static const QColor& fullBatteryFillColor();
    static const QColor& dischargingFillColor();
    static const QColor& chargingFillColor();
    static const QColor& almostEmptyFillColor();
    static const QColor& mainTitlesTextColors();
    static const QColor& mainLabelTextColor();
    static const QColor& mainValuesTextColor();
    static const QColor& ringHoveredBackgroundColor();
    static const QColor& ringSelectedBackgroundColor();
    static const QColor& navBarBackgroundColor();
    static const QColor& popOverBackgroundColor();
    static const QColor& ringsBackgroundColor();
    static const QColor& ringGoodStateColor();
    static const QColor& ringMediumStateColor();
    static const QColor& ringBadStateColor();

    // Each returns the named font, or the system font at 12 points when it is not installed.
    static QFont basicLabelFont(qreal size);
    static QFont basicValueFont();
    static QFont HelpTitleFont();
    static QFont HelpTextFont();
    static QFont StepsInformationFont();

    static StyledText appTitleAttributedStringWithValue(const QString& value);
    static StyledText ringTitleAttributedStringWithValue(const QString& value);
    static StyledText basicLabelAttributedStringWithValue(const QString& value);
    static StyledText stepTitleAttributedStringWithValue(const QString& value);
    static StyledText basicValueAttributedStringWithValue(const QString& value);
    static StyledText StepsInformationAttributedStringWithValue(const QString& value);
    static StyledText helpTitleAttributedStringWithValue(const QString& value);
    static StyledText helpTextAttributedStringWithValue(const QString& value);
    static StyledText tableTextAttributedStringWithValue(const QString& value);
    static StyledText tableTitleAttributedStringWithValue(const QString& value);
    static StyledText tutorialTextAttributedStringWithValue(const QString& value);
    static StyledText tutorialTitleAttributedStringWithValue(const QString& value);

    static void drawVerticalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                         const QColor& fillColor, double chargePercentage,
                                         const QRectF& batteryFrameV);
    static void drawHorizontalBatteryBlack(QPainter& painter, const QColor& strokeColor,
                                           const QColor& fillColor, double chargePercentage,
                                           const QRectF& batteryFrameH);
    static void drawBatteryCharging(QPainter& painter, const QRectF& frame,
                                    const QColor& strokeColor);
    static void drawBatteryChargingH(QPainter& painter, const QRectF& frame,
                                     const QColor& strokeColor);

    static QImage imageOfVerticalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                              const QRectF& batteryFrameV, double chargePercentage,
                                              int pixelRatio = 1);
    static QImage imageOfHorizontalBatteryBlack(const QColor& strokeColor, const QColor& fillColor,
                                                const QRectF& batteryFrameH,
                                                double chargePercentage, int pixelRatio = 1);
    static QImage imageOfBatteryCharging(const QRectF& frame, const QColor& strokeColor,
                                         int pixelRatio = 1);
    static QImage imageOfBatteryChargingH(const QRectF& frame, const QColor& strokeColor,
                                          int pixelRatio = 1);
};
