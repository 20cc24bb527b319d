// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "TextStyles.h"

#include "Fonts.h"
#include "Palette.h"

#include <QGuiApplication>
#include <QPalette>

namespace AmpraStyleKit {

namespace {

using Paragraph = StyledText::Paragraph;

StyledText styled(const QString& value, std::optional<QFont> font, const QColor& color,
                  std::optional<Paragraph> paragraph, qreal kern = 0) {
    StyledText result;
    result.text = value;
    result.hasAttributes = true;
    result.font = std::move(font);
    result.foregroundColor = color;
    result.paragraph = paragraph;
    result.kern = kern;
    return result;
}

// A style that names a family directly gives the bare text when the family is missing.
StyledText styledInFamily(const QString& value, const QString& postScriptName, qreal size,
                          const QColor& color, std::optional<Paragraph> paragraph, qreal kern = 0) {
    auto font = installedFont(postScriptName, size);
    if (!font) {
        StyledText bare;
        bare.text = value;
        return bare;
    }
    return styled(value, font, color, paragraph, kern);
}

constexpr Paragraph left(qreal lineHeight) {
    return {Qt::AlignLeft, lineHeight};
}
constexpr Paragraph centred(qreal lineHeight) {
    return {Qt::AlignHCenter, lineHeight};
}
constexpr Paragraph justified(qreal lineHeight) {
    return {Qt::AlignJustify, lineHeight};
}

} // namespace

StyledText appTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("Montserrat-Regular"), 12, mainTitlesTextColors(),
                          std::nullopt, 2);
}

StyledText ringTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 11, mainTitlesTextColors(),
                          centred(14));
}

StyledText basicLabelAttributedStringWithValue(const QString& value) {
    return styled(value, basicLabelFont(12), mainLabelTextColor(), left(14));
}

StyledText stepTitleAttributedStringWithValue(const QString& value) {
    return styled(value, basicLabelFont(10), mainLabelTextColor(), centred(14));
}

StyledText basicValueAttributedStringWithValue(const QString& value) {
    return styled(value, basicValueFont(), mainValuesTextColor(), left(14));
}

StyledText StepsInformationAttributedStringWithValue(const QString& value) {
    return styled(value, StepsInformationFont(), mainValuesTextColor(), left(14));
}

StyledText helpTitleAttributedStringWithValue(const QString& value) {
    return styled(value, HelpTitleFont(), mainLabelTextColor(), left(12));
}

StyledText helpTextAttributedStringWithValue(const QString& value) {
    return styled(value, HelpTextFont(), mainLabelTextColor(), left(12));
}

StyledText tableTextAttributedStringWithValue(const QString& value) {
    return styled(value, std::nullopt, mainLabelTextColor(), Paragraph{Qt::AlignHCenter, 0});
}

StyledText tableTitleAttributedStringWithValue(const QString& value) {
    return styled(value, std::nullopt, QGuiApplication::palette().color(QPalette::ButtonText),
                  Paragraph{Qt::AlignHCenter, 0});
}

StyledText tutorialTextAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 13, mainTitlesTextColors(),
                          justified(16));
}

StyledText tutorialTitleAttributedStringWithValue(const QString& value) {
    return styledInFamily(value, QStringLiteral("AvenirNext-Regular"), 16, mainTitlesTextColors(),
                          justified(18));
}

} // namespace AmpraStyleKit
