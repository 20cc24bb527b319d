// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "WindowIcon.h"

using namespace Qt::StringLiterals;

// Q_INIT_RESOURCE must not be used inside a namespace.
static void initWindowsResource() {
    Q_INIT_RESOURCE(windows);
}

namespace WindowIcon {

void registerImages() {
    initWindowsResource();
}

QIcon icon() {
    registerImages();
    return QIcon::fromTheme(u"com.vantrel.Ampra"_s, QIcon(u":/windows/Ampra.svg"_s));
}

} // namespace WindowIcon
