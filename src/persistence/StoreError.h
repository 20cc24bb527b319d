// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>

// Why a data-store operation failed: what was tried, and the reason the system gave.
struct StoreError {
    QString description;
    QString failureReason;
};
