// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ApplicationFolder.h"

#include <QStandardPaths>

QString ApplicationFolder::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/com.vantrel.Ampra");
}
