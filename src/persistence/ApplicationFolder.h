// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// Where Ampra keeps its data: the log, the data store and the old history file.
class ApplicationFolder {
public:
    static QString path();
};
