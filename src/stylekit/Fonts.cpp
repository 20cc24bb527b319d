// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// "AvenirNext-DemiBold" is the family "Avenir Next" in the style "Demi Bold": compared without
// spaces and case so that the PostScript name finds the fontconfig family and style.
QString squeezed(const QString& name) {
    QString result = name.toLower();
    result.remove(QLatin1Char(' '));
    return result;
}

} // namespace

namespace AmpraStyleKit {

std::optional<QFont> installedFont(const QString& postScriptName, qreal size) {
    const QString wantedFamily = squeezed(postScriptName.section(QLatin1Char('-'), 0, 0));
    const QString wantedStyle = squeezed(postScriptName.section(QLatin1Char('-'), 1));
    for (const QString& family : QFontDatabase::families()) {
        if (squeezed(family) != wantedFamily)
            continue;
        for (const QString& style : QFontDatabase::styles(family)) {
            if (squeezed(style) != wantedStyle)
                continue;
            QFont font = QFontDatabase::font(family, style, 12);
            font.setPointSizeF(size);
            return font;
        }
    }
    return std::nullopt;
}

QFont namedFont(const QString& postScriptName, qreal size) {
    if (auto font = installedFont(postScriptName, size))
        return *font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    fallback.setPointSizeF(12);
    return fallback;
}

QFont basicLabelFont(qreal size) {
    return namedFont(QStringLiteral("AvenirNext-Regular"), size);
}

QFont basicValueFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 12);
}

QFont HelpTitleFont() {
    return namedFont(QStringLiteral("AvenirNext-DemiBold"), 10);
}

QFont HelpTextFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 10);
}

QFont StepsInformationFont() {
    return namedFont(QStringLiteral("AvenirNext-Regular"), 10);
}

QFont chartLabelFont() {
    if (auto font = installedFont(QStringLiteral("AvenirNext-Regular"), 9))
        return *font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    fallback.setPointSizeF(8);
    return fallback;
}

} // namespace AmpraStyleKit
