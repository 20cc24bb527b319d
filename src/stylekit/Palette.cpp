// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "Palette.h"

namespace {

// Shadow level as the colour toolkits define it: a mix toward black.
QColor shadowed(const QColor& color, qreal level) {
    return QColor::fromRgbF(color.redF() * (1 - level), color.greenF() * (1 - level),
                            color.blueF() * (1 - level), color.alphaF());
}

} // namespace

namespace AmpraStyleKit {

const QColor& batteryFillColor() {
    static const QColor color = QColor::fromRgbF(0.321f, 0.812f, 0.092f, 1);
    return color;
}

const QColor& fullBatteryFillColor() {
    static const QColor color = [] {
        const QColor base = batteryFillColor();
        return QColor::fromHsvF(base.hsvHueF(), base.hsvSaturationF(), 0.9f, base.alphaF());
    }();
    return color;
}

const QColor& dischargingFillColor() {
    static const QColor color = QColor::fromRgbF(1.0f, 0.519f, 0.0f, 1);
    return color;
}

const QColor& chargingFillColor() {
    static const QColor color = shadowed(batteryFillColor(), 0.1);
    return color;
}

const QColor& almostEmptyFillColor() {
    static const QColor color = [] {
        const QColor base = batteryFillColor();
        return QColor::fromHsvF(0.0f, base.hsvSaturationF(), base.valueF(), base.alphaF());
    }();
    return color;
}

const QColor& mainTitlesTextColors() {
    static const QColor color = QColor::fromRgbF(0.285f, 0.285f, 0.285f, 1);
    return color;
}

const QColor& mainLabelTextColor() {
    static const QColor color = QColor::fromRgbF(0.356f, 0.356f, 0.356f, 1);
    return color;
}

const QColor& mainValuesTextColor() {
    static const QColor color = QColor::fromRgbF(0, 0, 0, 1);
    return color;
}

const QColor& ringHoveredBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.957f, 0.957f, 0.957f, 1);
    return color;
}

const QColor& ringSelectedBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.884f, 0.884f, 0.884f, 0.848f);
    return color;
}

const QColor& navBarBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.912f, 0.912f, 0.912f, 1);
    return color;
}

const QColor& popOverBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.851f, 0.851f, 0.851f, 1);
    return color;
}

const QColor& ringsBackgroundColor() {
    static const QColor color = QColor::fromRgbF(0.928f, 0.928f, 0.928f, 1);
    return color;
}

const QColor& ringGoodStateColor() {
    static const QColor color = QColor::fromRgbF(0.502f, 0.734f, 0.345f, 1);
    return color;
}

const QColor& ringMediumStateColor() {
    static const QColor color = QColor::fromRgbF(0.989f, 0.547f, 0.173f, 1);
    return color;
}

const QColor& ringBadStateColor() {
    static const QColor color = QColor::fromRgbF(0.912f, 0.147f, 0.273f, 1);
    return color;
}

const QColor& focusIndicatorColor() {
    static const QColor color = QColor::fromRgbF(0.102f, 0.373f, 0.706f, 1);
    return color;
}

} // namespace AmpraStyleKit
