// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "statusbar/StatusItemHost.h"

// A status item that keeps what it was last given, for tests of what the item shows.
class RecordingStatusItemHost : public StatusItemHost {
public:
    ImageDrawer drawer;
    QByteArray drawnFrom;
    QString title;
    bool isTemplate = false;
    bool highlighted = false;
    int contentUpdates = 0;
    ClickHandler click;
    PreferencesHandler preferences;
    OpenHandler open;
    TrayHandler tray;

    void setContent(const ImageDrawer& drawImage, const QByteArray& source, const QString& text,
                    const QString&, bool templateImage) override {
        drawer = drawImage;
        drawnFrom = source;
        title = text;
        isTemplate = templateImage;
        ++contentUpdates;
    }
    void setHighlighted(bool value) override { highlighted = value; }
    void setClickHandler(ClickHandler handler) override { click = std::move(handler); }
    void setQuitHandler(QuitHandler) override {}
    void setPreferencesHandler(PreferencesHandler handler) override {
        preferences = std::move(handler);
    }
    void setOpenHandler(OpenHandler handler) override { open = std::move(handler); }
    void setTrayHandler(TrayHandler handler) override { tray = std::move(handler); }
};
