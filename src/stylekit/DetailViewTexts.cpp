// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DetailViewTexts.h"

#include "persistence/ManagedObject.h"
#include "stylekit/StyledText.h"

#include <QLabel>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

QString DetailViewTexts::noDataText() {
    //: Text to show when there is no data yet from the battery
    return tr("no_data_text");
}

QString DetailViewTexts::number(quint64 value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

// Languages differ in where the sign goes and whether a space comes before it.
QString DetailViewTexts::percent(double fraction) {
    //: A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your
    //: language does, with a no-break space before it if it takes a space
    return tr("%1%").arg(number(quint64(std::max<qint64>(0, qRound64(fraction * 100)))));
}

QString DetailViewTexts::chargeLimitLifted(uint64_t limit) {
    //: The battery status while Ampra has lifted the laptop's charge limit for a calibration
    //: (%1: 100%, %2: the limit, a charge level such as 80%)
    return tr("Charging to %1 for the calibration, the %2 limit comes back afterwards")
        .arg(percent(1), percent(double(limit) / 100));
}

QString DetailViewTexts::capacityText(quint64 capacity, quint64 designCapacity) {
    if (designCapacity == 0)
        return number(capacity);
    return number(capacity) + u" ("_s + percent(double(capacity) / double(designCapacity)) + u')';
}

QString DetailViewTexts::historyCell(const ManagedObject& record, int column,
                                     std::optional<quint64> designCapacity) {
    QString missing = u"-"_s;
    switch (column) {
    case 0: {
        const auto date = record.date();
        return date ? QLocale().toString(date->toLocalTime().date(), QLocale::ShortFormat)
                    : missing;
    }
    case 1: {
        const auto capacity = record.capacity();
        return capacity ? capacityText(*capacity, designCapacity.value_or(0)) : missing;
    }
    case 2: {
        const auto cycles = record.cycleCount();
        return cycles ? number(*cycles) : missing;
    }
    default:
        return missing;
    }
}

// The detail views keep the alignment their layouts give their labels.
void DetailViewTexts::apply(QLabel& label, StyledText style) {
    style.paragraph.reset();
    style.applyTo(label);
}
