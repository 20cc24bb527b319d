// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SystemDateProvider.h"

QDateTime SystemDateProvider::now() const {
    return QDateTime::currentDateTimeUtc();
}
