// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// Starting Ampra with the desktop session. The state lives in the desktop, not in Ampra.
class LoginItem {
public:
    virtual ~LoginItem() = default;

    // False when the desktop refused, which is logged.
    virtual bool setLoginItemEnabled(bool enabled) = 0;
};
