// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class QAction;
class QObject;

// How this build learns of new versions: the views offer its menu item.
class VersionSupport {
public:
    virtual ~VersionSupport() = default;

    // True for the build distributed directly to users, which checks for its own updates.
    virtual bool isWebVersion() const = 0;
    // A new "Check for update..." item, owned by `parent`, that checks when chosen.
    virtual QAction* checkForUpdateMenuItem(QObject* parent) = 0;
    // Checks now, answering in a dialog; does nothing without an update feed.
    virtual void checkForUpdate() = 0;
};
