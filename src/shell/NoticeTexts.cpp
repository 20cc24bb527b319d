// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "NoticeTexts.h"

#include "stylekit/DetailViewTexts.h"

#include <QLocale>

NoticeTexts::Notice NoticeTexts::powerSourceChange(PowerSourceType powerSource) {
    //: Title of the power source change notification
    const QString title = tr("Change on power source");
    if (powerSource == PowerSourceType::acPowered)
        //: Subtitle of the power source change notification when running on AC
        return {title, tr("Now running on AC")};
    //: Subtitle of the power source change notification when running on battery
    return {title, tr("Now running on battery")};
}

NoticeTexts::Notice NoticeTexts::lowCharge(uint64_t threshold) {
    //: Title of the low battery notification
    return {tr("Low battery"),
            //: Subtitle of the low battery notification
            //: (%1: the charge level crossed, a number from 1 to 100; write the percent sign
            //: as your language does)
            tr("Battery charge is under %u %%").arg(QLocale().toString(qulonglong(threshold)))};
}

NoticeTexts::Notice NoticeTexts::connectedTooLong() {
    //: Title of the notification for long connection time
    return {tr("Unplug your mac"),
            //: Subtitle of the notification for long connection time
            tr("You have been connected for too long")};
}

NoticeTexts::Notice NoticeTexts::calibrationStep(const QString& message) {
    //: Title of the notification for Calibration Proces
    return {tr("Calibration process:"), message};
}

NoticeTexts::Notice NoticeTexts::noTray() {
    //: Title of the notification shown when the desktop has no tray for Ampra's icon
    return {tr("Ampra runs without a tray icon"),
            //: Body of the notification shown when the desktop has no tray for Ampra's icon;
            //: "AppIndicator" is the name of a GNOME Shell extension
            tr("Open it again from the applications menu. On GNOME, a tray needs the "
               "AppIndicator extension.")};
}

NoticeTexts::Notice NoticeTexts::chargeLimitLift(uint64_t limit) {
    //: Title of the notification that offers to lift the laptop's charge limit for a calibration
    return {tr("The calibration needs a full charge"),
            //: Body of the notification that offers to lift the laptop's charge limit (%1: the
            //: limit, a charge level such as 80%)
            tr("This laptop stops charging at %1. Ampra can lift the limit until the calibration "
               "ends and then switch it on again.")
                .arg(DetailViewTexts::percent(double(limit) / 100))};
}

QString NoticeTexts::chargeLimitLiftAction() {
    //: The notification's button that lifts the charge limit for the calibration under way (%1:
    //: 100%)
    return tr("Charge to %1 for this calibration").arg(DetailViewTexts::percent(1));
}
