// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The power settings of GNOME, KDE Plasma or Xfce, whichever is installed; the running desktop's
// own first.
class DesktopPowerSettings {
public:
    // The full path of a program, empty when it is not installed.
    using FindExecutable = std::function<QString(const QString& program)>;

    // The program and its arguments; none when no desktop's settings are installed.
    static std::optional<QStringList> command(const QString& currentDesktop,
                                              const FindExecutable& findExecutable);
    // Starts it for XDG_CURRENT_DESKTOP; false, and logged, when there is none or it failed.
    static bool open();
};
