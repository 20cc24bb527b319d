// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/X11PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(X11PopupPlacementTest, KeepsThePopupBesideTheItemAndInsideTheScreen) {
    // A 1280 by 800 screen whose top 30 pixels are a panel.
    const QRect available(0, 30, 1280, 770);
    const QSize popup(300, 400);
    const struct {
        const char* situation;
        QRect item;
        QPoint corner;
    } rows[] = {
        {"centred under the item", QRect(600, 4, 22, 22), QPoint(460, 30)},
        {"pushed left from the right edge", QRect(1250, 4, 22, 22), QPoint(980, 30)},
        {"pushed right from the left edge", QRect(2, 4, 22, 22), QPoint(0, 30)},
        {"above an item in a bottom panel", QRect(600, 776, 22, 22), QPoint(460, 376)},
        {"a click point alone", QRect(700, 10, 1, 1), QPoint(550, 30)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(X11PopupPlacement::place(row.item, popup, available), row.corner)
            << row.situation;
    // Larger than the screen: the top-left corner stays on it.
    EXPECT_EQ(X11PopupPlacement::place(QRect(600, 4, 22, 22), QSize(2000, 1000), available),
              QPoint(0, 30));
}

} // namespace
