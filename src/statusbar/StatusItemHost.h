// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusItemClick.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

// The application's item in the desktop's tray, as the status-bar controller sees it: content in,
// clicks out. How the item reaches the panel is the implementation's business.
class StatusItemHost {
public:
    // Draws the icon for a square slot of `pixels` by `pixels`; a narrower image is centred. The
    // host asks once per size a panel may use, so that every size is drawn, not scaled.
    using ImageDrawer = std::function<QImage(int pixels)>;
    using ClickHandler =
        std::function<void(const StatusItemClick& click, Qt::KeyboardModifiers modifiers)>;
    using QuitHandler = std::function<void()>;
    using PreferencesHandler = std::function<void()>;
    using OpenHandler = std::function<void()>;
    using TrayHandler = std::function<void(bool shown)>;

    virtual ~StatusItemHost() = default;

    // Replaces image and title wholesale. Without a drawer the item shows its title alone; with an
    // empty title, the image alone. `toolTip` is the one line a host shows on hover. Template
    // content is drawn for a dark panel, which may tint it; a title drawn alone is then white.
    // `drawnFrom` names everything the drawer's image depends on: the host draws again only when
    // it changes.
    virtual void setContent(const ImageDrawer& drawImage, const QByteArray& drawnFrom,
                            const QString& title, const QString& toolTip, bool isTemplate) = 0;
    virtual void setHighlighted(bool highlighted) = 0;
    // Called on a primary click, on press, with where it happened.
    virtual void setClickHandler(ClickHandler handler) = 0;
    // Called when the user picks Quit in the item's menu.
    virtual void setQuitHandler(QuitHandler handler) = 0;
    // Called when the user picks Preferences… in the item's menu.
    virtual void setPreferencesHandler(PreferencesHandler handler) = 0;
    // Called when the user picks Open Ampra in the item's menu.
    virtual void setOpenHandler(OpenHandler handler) = 0;
    // Called with whether a tray shows the item, once it is known and whenever that changes.
    virtual void setTrayHandler(TrayHandler handler) = 0;
};
