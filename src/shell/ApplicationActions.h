// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// What the desktop may ask of the running application: a launcher starting it again, or one of
// the actions its desktop entry offers.
class ApplicationActions {
public:
    static constexpr const char* kPreferences = "preferences";
    static constexpr const char* kQuit = "quit";

    virtual ~ApplicationActions() = default;

    // Shows the summary.
    virtual void activate() = 0;
    // False for an action the application does not have.
    virtual bool activateAction(const QString& name) = 0;
};
