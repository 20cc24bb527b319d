// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceType.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

// The wording of the user notifications, in the language of the installed translation.
class NoticeTexts {
    Q_DECLARE_TR_FUNCTIONS(NoticeTexts)

public:
    struct Notice {
        QString title;
        QString subtitle;
        bool operator==(const Notice&) const = default;
    };

    static Notice powerSourceChange(PowerSourceType powerSource);
    static Notice lowCharge(uint64_t threshold);
    static Notice connectedTooLong();
    static Notice calibrationStep(const QString& message);
    static Notice noTray();
    // Asks to lift the firmware's charge limit of `limit` percent for the calibration.
    static Notice chargeLimitLift(uint64_t limit);
    static QString chargeLimitLiftAction();
};
