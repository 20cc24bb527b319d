// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StyledText.h"

#include <QFontMetricsF>
#include <QLabel>

QTextCharFormat StyledText::charFormat() const {
    QTextCharFormat format;
    if (!hasAttributes)
        return format;
    if (font)
        format.setFont(*font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    format.setForeground(foregroundColor);
    format.setBackground(backgroundColor);
    if (kern != 0) {
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(kern);
    }
    return format;
}

QTextBlockFormat StyledText::blockFormat() const {
    QTextBlockFormat format;
    if (!paragraph)
        return format;
    format.setAlignment(paragraph->alignment);
    // Qt knows no maximum line height: a fixed height of the font's own spacing, capped, is one.
    const qreal natural = font ? QFontMetricsF(*font).lineSpacing() : paragraph->maximumLineHeight;
    format.setLineHeight(qMin(natural, paragraph->maximumLineHeight),
                         QTextBlockFormat::FixedHeight);
    return format;
}

void StyledText::applyTo(QLabel& label) const {
    label.setText(text);
    if (!hasAttributes)
        return;
    if (font) {
        QFont styledFont = *font;
        styledFont.setLetterSpacing(QFont::AbsoluteSpacing, kern);
        label.setFont(styledFont);
    }
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, foregroundColor);
    label.setPalette(palette);
    if (paragraph)
        label.setAlignment(paragraph->alignment | Qt::AlignVCenter);
}
