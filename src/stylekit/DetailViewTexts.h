// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "stylekit/StyledText.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class ManagedObject;
class QLabel;

// What the detail views write the same way: the placeholder before the first reading, numbers and
// percentages in the user's locale, and a styled text put into a label.
class DetailViewTexts {
    Q_DECLARE_TR_FUNCTIONS(DetailViewTexts)

public:
    static QString noDataText();
    static QString number(quint64 value);
    // A fraction as a whole percentage: 0.9 gives 90%.
    static QString percent(double fraction);
    // The battery charges to full for the calibration under way despite its `limit` (percent).
    static QString chargeLimitLifted(uint64_t limit);
    // "4500 (90%)"; the number alone without a design capacity.
    static QString capacityText(quint64 capacity, quint64 designCapacity);
    // A cell of the snapshot and calibration histories, whose columns are date, capacity and
    // cycles; "-" for a missing value.
    static QString historyCell(const ManagedObject& record, int column,
                               std::optional<quint64> designCapacity);
    static void apply(QLabel& label, StyledText style);
};
