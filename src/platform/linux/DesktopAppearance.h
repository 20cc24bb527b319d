// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "stylekit/AppearanceProvider.h"

#include <QDBusConnection>
#include <optional>

class PortalSettingsProxy;
class QDBusVariant;

// The desktop's colour scheme: the freedesktop appearance setting where a settings portal
// offers it (asked once without waiting for the answer, then followed through its change
// signal), else the lightness of the application's window palette.
class DesktopAppearance : public AppearanceProvider {
    Q_OBJECT

public:
    explicit DesktopAppearance(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                               QObject* parent = nullptr);

    QString interfaceStyle() const override;

private:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);
    void setColorScheme(std::optional<uint> scheme);

    PortalSettingsProxy* _portal;
    // The portal's colour-scheme value: 0 no preference, 1 dark, 2 light.
    std::optional<uint> _colorScheme;
};
