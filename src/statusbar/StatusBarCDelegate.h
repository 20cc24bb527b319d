// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class StatusBarC;

class StatusBarCDelegate {
public:
    virtual ~StatusBarCDelegate() = default;

    // The user clicked the status item.
    virtual void statusBarControllerRequest(StatusBarC& controller) = 0;
};
