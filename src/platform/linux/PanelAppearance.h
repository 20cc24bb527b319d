// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "stylekit/AppearanceProvider.h"

#include <QDBusConnection>
#include <QFileSystemWatcher>
#include <QString>

class SettingsStore;

// The colour of the panel the status item sits on, which is not the applications' colour scheme:
// GNOME Shell's top bar and the default panels of Xfce, Cinnamon, Budgie and Pantheon are dark
// whatever the theme; Plasma's panel follows the colour scheme in kdeglobals; elsewhere the panel
// is taken to follow the desktop's scheme. Without the desktop's name, its shell's or panel's name
// on the session bus tells the desktop once the bus has answered. The "PanelAppearance" setting
// may force either.
class PanelAppearance : public AppearanceProvider {
    Q_OBJECT

public:
    // `currentDesktop` is XDG_CURRENT_DESKTOP's value, `configFolder` where kdeglobals lives,
    // `bus` the session bus. Neither `settings` nor `desktop` is owned.
    PanelAppearance(SettingsStore& settings, const AppearanceProvider& desktop,
                    const QString& currentDesktop, const QString& configFolder,
                    const QDBusConnection& bus = QDBusConnection::sessionBus(),
                    QObject* parent = nullptr);

    QString interfaceStyle() const override;

private:
    void askBusForDesktop(const QDBusConnection& bus);
    void setDesktopNames(const QStringList& names);
    void update();
    QString automaticStyle() const;
    QString forcedStyle() const;
    QString kdeglobalsStyle() const;

    SettingsStore& _settings;
    const AppearanceProvider& _desktop;
    QStringList _desktopNames;
    const QString _configFolder;
    const QString _kdeglobals;
    QFileSystemWatcher _watcher;
    QString _style;
    // An unknown forced value is reported once per value.
    mutable QString _reportedValue;
};
