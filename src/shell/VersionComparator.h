// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// Orders version strings as update feeds write them: runs of digits compare as numbers, a number
// is newer than text at the same place ("1.0" is newer than "1.0b1"), and a further number part
// makes a version newer ("1.0.1" is newer than "1.0").
class VersionComparator {
public:
    // Negative when `a` is older than `b`, zero when they are the same version, positive when
    // newer.
    static int compareVersions(const QString& a, const QString& b);
};
