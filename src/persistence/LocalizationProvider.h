// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

// The localized-string service. Lookups go through Qt's tr(); this seam lets a view be handed
// the service like the others.
class LocalizationProvider {
public:
    virtual ~LocalizationProvider() = default;
};
