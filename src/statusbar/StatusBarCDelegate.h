// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusItemClick.h"

class StatusBarC;

class StatusBarCDelegate {
public:
    virtual ~StatusBarCDelegate() = default;

    // The user clicked the status item.
    virtual void statusBarControllerRequest(StatusBarC& controller,
                                            const StatusItemClick& click) = 0;
    // The user chose Preferences… in the status item's menu.
    virtual void statusBarControllerRequestForPreferencesWindow(StatusBarC& controller) = 0;
};
