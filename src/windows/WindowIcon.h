// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QIcon>

// The images of the windows, and Ampra's icon for their title bars.
namespace WindowIcon {

// A resource of a static library is registered by hand, before its first use.
void registerImages();
// The installed icon of the desktop's theme, else the one built in.
QIcon icon();

} // namespace WindowIcon
