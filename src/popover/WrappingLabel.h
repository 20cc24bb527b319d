// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QLabel>
#include <array>
#include <optional>
#include <utility>

// A word-wrapped label that lays its text out once for each width asked. A stack of pages asks
// every page's height at many widths while a view settles, and a selectable label lays out its
// whole document twice for each question.
class WrappingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // What the height depends on besides the font and the contents margins, which send events.
    struct Layout {
        QString text;
        Qt::Alignment alignment;
        int margin;
        int indent;
        bool wordWrap;
        bool operator==(const Layout&) const = default;
    };
    Layout layout() const;

    // The heights last worked out, widths first, for the layout they were worked out with.
    mutable std::array<std::pair<int, int>, 16> _heights{};
    mutable size_t _next = 0;
    mutable std::optional<Layout> _layout;
};
