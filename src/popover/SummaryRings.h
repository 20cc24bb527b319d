// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ValuedRingButton.h"
#include "battery/BatteryHealthType.h"

#include <QCoreApplication>
#include <optional>

// What the summary's rings show for a record, apart from the widgets that show it.
class SummaryRings {
    Q_DECLARE_TR_FUNCTIONS(SummaryRings)

public:
    struct Health {
        QString title;
        QColor color;
    };

    static ValuedRingButton::ColorSections chargeSections();
    // Red up to a fifth of the design capacity, orange up to four fifths, green beyond.
    static ValuedRingButton::ColorSections capacitySections(uint64_t designCapacity);
    // The ring's range stretches to the days already shown, so that a longer wait than the
    // period still fits in the ring.
    static ValuedRingButton::ColorSections daysSections(double periodDays, double previousDays);
    static Health health(std::optional<BatteryHealthType> health);
};
