// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "DateProvider.h"

// The wall clock.
class SystemDateProvider : public DateProvider {
public:
    QDateTime now() const override;
};
