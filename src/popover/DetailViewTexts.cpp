// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DetailViewTexts.h"

#include "stylekit/StyledText.h"

#include <QLabel>
#include <QLocale>

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

QString DetailViewTexts::percent(double fraction) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(qRound64(fraction * 100)) + locale.percent();
}

QString DetailViewTexts::capacityText(quint64 capacity, quint64 designCapacity) {
    if (designCapacity == 0)
        return number(capacity);
    return number(capacity) + u" ("_s + percent(double(capacity) / double(designCapacity)) + u')';
}

void DetailViewTexts::apply(QLabel& label, const StyledText& style) {
    label.setText(style.text);
    if (!style.hasAttributes)
        return;
    if (style.font) {
        QFont font = *style.font;
        font.setLetterSpacing(QFont::AbsoluteSpacing, style.kern);
        label.setFont(font);
    }
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, style.foregroundColor);
    label.setPalette(palette);
}
