// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// A short description of the machine for a problem report, free of personal data.
class SystemProfileProvider {
public:
    virtual ~SystemProfileProvider() = default;

    // Empty when nothing could be gathered.
    virtual QString systemProfile() const = 0;
};
