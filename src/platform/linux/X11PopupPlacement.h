// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "popover/PopupPlacement.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QList>
#include <QPoint>
#include <QtGlobal>
#include <optional>

// On X11 a popup goes where the application puts it: inside the available part of the screen
// the item is on, the panels left out. Under GNOME Shell, known by its name on `bus`, the items
// are at the right of the top bar; the bus is asked without waiting and followed, so the shell
// counts once its answer has come. Under Xwayland the X server sees the pointer only over X
// windows, so a popup's grab gets no click on the desktop or on Wayland windows.
class X11PopupPlacement : public PopupPlacement {
public:
    // An X11 client with a Wayland display beside it runs on Xwayland.
    static bool onXwayland() { return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"); }

    explicit X11PopupPlacement(bool xwayland = false,
                               const QDBusConnection& bus = QDBusConnection::sessionBus());

    std::optional<QRect> availableGeometry(const QRect& item) const override;
    std::optional<QRect> usualItemPlace() const override;
    bool clicksNeedCover() const override { return _xwayland; }

    // Where a click reported without the item's geometry stands for the item. Some hosts report
    // a place that cannot be the item's (MATE sends (0, 25), waybar a place in its own widget):
    // one in a screen's top-left 64 by 64 pixels while the pointer is elsewhere, or on no screen,
    // gives way to the pointer, which has just clicked the item. None when the pointer is not
    // known either.
    static std::optional<QPoint> anchor(const QPoint& reported,
                                        const std::optional<QPoint>& pointer,
                                        const QList<QRect>& screens);

private:
    bool _xwayland;
    QDBusServiceWatcher _gnomeShellWatcher;
    bool _gnomeShell = false;
};
