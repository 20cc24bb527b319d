// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QList>
#include <QString>

class QComboBox;

// One entry of a pop-up list of intervals built at run time: its text and its seconds.
struct PopUpEntry {
    QString name;
    qint64 value;

    // Empties `popUp` and gives it the entries' names in order.
    static void fill(QComboBox& popUp, const QList<PopUpEntry>& entries);
    // Selects the entry with `value`; a value none has (stored by other means) leaves the
    // selection as it is.
    static void select(QComboBox& popUp, const QList<PopUpEntry>& entries, qint64 value);
};
