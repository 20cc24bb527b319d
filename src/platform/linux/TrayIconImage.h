// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "statusbar/StatusItemHost.h"

#include <QImage>
#include <QString>

// The square picture a tray shows for one size: the drawn image centred, or the title alone
// when there is no image (white for a dark panel), over a highlight backdrop while the item is
// highlighted.
class TrayIconImage {
public:
    static QImage render(const StatusItemHost::ImageDrawer& drawImage, const QString& title,
                         bool darkPanel, bool highlighted, int pixels);
};
