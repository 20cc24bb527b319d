// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/LoginItem.h"

#include <QString>

// The XDG autostart entry $XDG_CONFIG_HOME/autostart/com.vantrel.Ampra.desktop: written,
// atomically, to start the given program at login, or removed.
class XdgAutostartLoginItem : public LoginItem {
public:
    explicit XdgAutostartLoginItem(QString executable);

    static QString filePath();
    // The entry's Exec value for `program`, quoted and escaped as desktop entries require.
    static QString execValue(const QString& program);

    bool setLoginItemEnabled(bool enabled) override;

private:
    QString _executable;
};
