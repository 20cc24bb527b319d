// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/X11PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

// Places hosts report that cannot be the item's give way to the pointer, if it is known.
TEST(X11PopupPlacementTest, AnchorsAtThePointerWhenTheReportedPlaceCannotBeTheItems) {
    const QList<QRect> one = {QRect(0, 0, 1280, 800)};
    const QList<QRect> two = one + QList{QRect(1280, 0, 1920, 1080)};
    const struct {
        const char* host;
        QPoint reported, pointer; // a null pointer: not known
        QList<QRect> screens;
        QPoint anchor; // null: none
    } rows[] = {
        {"xfce4-panel: the item's place", {1200, 12}, {1201, 10}, two, {1200, 12}},
        {"MATE's (0, 25)", {0, 25}, {900, 12}, two, {900, 12}},
        {"waybar's place in its widget", {7, 14}, {1500, 1060}, two, {1500, 1060}},
        {"an item in the top-left corner", {7, 14}, {9, 12}, two, {7, 14}},
        {"the second screen's corner", {1290, 10}, {2500, 10}, two, {2500, 10}},
        {"on no screen", {-40, 900}, {640, 790}, two, {640, 790}},
        {"beyond the only screen", {1290, 10}, {1200, 10}, one, {1200, 10}},
        {"waybar under Xwayland, the pointer unknown", {7, 14}, {}, two, {}},
        {"xfce4-panel under Xwayland", {1200, 12}, {}, two, {1200, 12}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(X11PopupPlacement::anchor(
                      row.reported,
                      row.pointer.isNull() ? std::nullopt : std::optional(row.pointer), row.screens)
                      .value_or(QPoint()),
                  row.anchor)
            << row.host;
}

} // namespace
