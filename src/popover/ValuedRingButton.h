// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "RingButton.h"

#include <vector>

// A ring drawn from a value: the value's place between the first and the last threshold of
// `colorSections` fills the ring, and the first section whose threshold reaches the value gives
// the colour.
class ValuedRingButton : public RingButton {
    Q_OBJECT

public:
    struct ColorSection {
        double threshold;
        QColor color;
    };
    using ColorSections = std::vector<ColorSection>;

    // What a ring shows for a value.
    struct Drawing {
        double percentage;
        QString title;
        QColor color;
    };

    explicit ValuedRingButton(QWidget* parent = nullptr);

    // Recomputes the drawing.
    void setValue(double value);
    double value() const { return _value; }
    // Take effect with the next value.
    void setColorSections(ColorSections sections) { _colorSections = std::move(sections); }
    const ColorSections& colorSections() const { return _colorSections; }
    void setIsPercentage(bool isPercentage) { _isPercentage = isPercentage; }
    bool isPercentage() const { return _isPercentage; }

    void checkAndComputeDrawingVales();
    // The sections hold at least two thresholds in ascending order and the value is not negative.
    static Drawing drawingFor(double value, const ColorSections& sections, bool isPercentage);

private:
    double _value = 0;
    ColorSections _colorSections;
    bool _isPercentage = false;
};
