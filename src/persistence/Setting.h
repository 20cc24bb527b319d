// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers
#pragma once

#include <QString>
#include <QVariant>

// One row of a settings table: the key, the kind of value kept under it, the default and, for a
// number, the range it is clamped to when read.
struct Setting {
    enum class Type { flag, number, text };

    QString key;
    Type type;
    QVariant defaultValue;
    double low = 0;
    double high = 0;
};
