// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// The application's windows, opened on request from the popover's settings menu.
class AppWindows {
public:
    virtual ~AppWindows() = default;

    virtual void showPreferencesWindow() = 0;
    virtual void showTutorialWindow() = 0;
};
