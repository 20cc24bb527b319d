// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/AppearanceProvider.h"

#include <QDBusConnection>
#include <QObject>
#include <optional>

class QDBusVariant;

// The desktop's colour scheme: the freedesktop appearance setting where a settings portal
// offers it (read once, then followed through its change signal), else the lightness of the
// application's window palette.
class DesktopAppearance : public QObject, public AppearanceProvider {
    Q_OBJECT

public:
    explicit DesktopAppearance(QDBusConnection bus = QDBusConnection::sessionBus(),
                               QObject* parent = nullptr);

    QString interfaceStyle() const override;

private slots:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    // The portal's colour-scheme value: 0 no preference, 1 dark, 2 light.
    std::optional<uint> _colorScheme;
};
