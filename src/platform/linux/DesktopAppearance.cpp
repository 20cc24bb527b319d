// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DesktopAppearance.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kSettings = "org.freedesktop.portal.Settings";
constexpr const char* kNamespace = "org.freedesktop.appearance";
constexpr const char* kColorScheme = "color-scheme";
// A missing portal must not hold up the start.
constexpr int kReadTimeoutMs = 300;

// The portal wraps the value in one or two variants depending on its version.
std::optional<uint> schemeFrom(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? std::optional<uint>(scheme) : std::nullopt;
}

} // namespace

DesktopAppearance::DesktopAppearance(QDBusConnection bus, QObject* parent) : QObject(parent) {
    if (!bus.isConnected())
        return;
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettings,
                                                       QStringLiteral("Read"));
    read << QString(kNamespace) << QString(kColorScheme);
    const QDBusMessage reply = bus.call(read, QDBus::Block, kReadTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        _colorScheme = schemeFrom(reply.arguments().first());
    bus.connect(kPortalService, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
}

void DesktopAppearance::settingChanged(const QString& nameSpace, const QString& key,
                                       const QDBusVariant& value) {
    if (nameSpace == QLatin1String(kNamespace) && key == QLatin1String(kColorScheme))
        _colorScheme = schemeFrom(value.variant());
}

QString DesktopAppearance::interfaceStyle() const {
    if (_colorScheme == 1u)
        return QStringLiteral("Dark");
    if (_colorScheme == 2u)
        return QStringLiteral("Light");
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    return dark ? QStringLiteral("Dark") : QStringLiteral("Light");
}
