// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopUpEntry.h"

#include <QComboBox>
#include <algorithm>

void PopUpEntry::fill(QComboBox& popUp, const QList<PopUpEntry>& entries) {
    popUp.clear();
    for (const PopUpEntry& entry : entries)
        popUp.addItem(entry.name);
}

void PopUpEntry::select(QComboBox& popUp, const QList<PopUpEntry>& entries, qint64 value) {
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [value](const PopUpEntry& entry) { return entry.value == value; });
    if (found != entries.end())
        popUp.setCurrentIndex(static_cast<int>(found - entries.begin()));
}
