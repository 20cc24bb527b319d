// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SummaryRings.h"

#include "stylekit/AmpraStyleKit.h"

#include <algorithm>
#include <cmath>

namespace {

ValuedRingButton::ColorSections sections(double bad, double medium, double good) {
    return {{0, AmpraStyleKit::ringBadStateColor()},
            {std::ceil(bad), AmpraStyleKit::ringBadStateColor()},
            {std::ceil(medium), AmpraStyleKit::ringMediumStateColor()},
            {std::ceil(good), AmpraStyleKit::ringGoodStateColor()}};
}

} // namespace

ValuedRingButton::ColorSections SummaryRings::chargeSections() {
    return sections(20, 80, 100);
}

ValuedRingButton::ColorSections SummaryRings::capacitySections(uint64_t designCapacity) {
    const double design = double(designCapacity);
    return sections(0.2 * design, 0.8 * design, design);
}

ValuedRingButton::ColorSections SummaryRings::daysSections(double periodDays, double previousDays) {
    return sections(0.2 * periodDays, 0.7 * periodDays, std::max(periodDays, previousDays));
}

SummaryRings::Health SummaryRings::health(std::optional<BatteryHealthType> health) {
    if (!health)
        return {QStringLiteral("-"), AmpraStyleKit::ringGoodStateColor()};
    switch (*health) {
    case BatteryHealthType::poor:
        //: Battery Heath ring message for state poor
        return {tr("POOR"), AmpraStyleKit::ringBadStateColor()};
    case BatteryHealthType::fair:
        //: Battery Heath ring message for state fair
        return {tr("FAIR"), AmpraStyleKit::ringMediumStateColor()};
    case BatteryHealthType::good:
        //: Battery Heath ring message for state good
        return {tr("GOOD"), AmpraStyleKit::ringGoodStateColor()};
    case BatteryHealthType::check:
        //: Battery Heath ring message for state check battery
        return {tr("CHECK"), AmpraStyleKit::ringBadStateColor()};
    case BatteryHealthType::unknown:
        break;
    }
    //: Battery Heath ring message for state Unknown
    return {tr("-"), AmpraStyleKit::ringGoodStateColor()};
}
