// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <optional>

class QLabel;

// A text with the attributes a text style gives it. A style whose font family is not installed
// gives the bare text: `hasAttributes` false and nothing else set.
struct StyledText {
    struct Paragraph {
        Qt::Alignment alignment = Qt::AlignLeft;
        qreal maximumLineHeight = 0;
    };

    QString text;
    bool hasAttributes = false;
    // Absent: the showing control keeps its own font.
    std::optional<QFont> font;
    QColor foregroundColor;
    QColor backgroundColor = Qt::transparent;
    // Extra space after every letter, in points.
    qreal kern = 0;
    std::optional<Paragraph> paragraph;

    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;
    // Shows the text on `label` in the style's font, colour and alignment.
    void applyTo(QLabel& label) const;
};
