// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ValuedRingButton.h"

#include "stylekit/AmpraStyleKit.h"
#include "stylekit/DetailViewTexts.h"

#include <QLocale>

ValuedRingButton::ValuedRingButton(QWidget* parent)
    : RingButton(parent)
    , _colorSections{{0, Qt::transparent},
                     {20, AmpraStyleKit::ringBadStateColor()},
                     {80, AmpraStyleKit::ringMediumStateColor()},
                     {100, AmpraStyleKit::ringGoodStateColor()}} {}

void ValuedRingButton::setValue(double value) {
    _value = value;
    checkAndComputeDrawingVales();
}

void ValuedRingButton::checkAndComputeDrawingVales() {
    const Drawing drawing = drawingFor(_value, _colorSections, _isPercentage);
    setDrawingTitle(drawing.title);
    setDrawingPercentage(drawing.percentage);
    setDrawingColor(drawing.color);
}

ValuedRingButton::Drawing ValuedRingButton::drawingFor(double value, const ColorSections& sections,
                                                       bool isPercentage) {
    const double min = sections.front().threshold;
    const double max = sections.back().threshold;
    const double fraction = max - min > 0 ? (value - min) / (max - min) : 0;
    Drawing drawing;
    drawing.percentage = fraction * 100;
    drawing.title =
        isPercentage ? DetailViewTexts::percent(fraction) : QLocale().toString(qint64(value));
    if (value > max) {
        drawing.color = sections.back().color;
    } else {
        drawing.color = sections.front().color;
        for (const ColorSection& section : sections) {
            if (section.threshold >= value) {
                drawing.color = section.color;
                break;
            }
        }
    }
    return drawing;
}
