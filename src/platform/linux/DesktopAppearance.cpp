// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DesktopAppearance.h"

#include "PortalSettingsProxy.h"

#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kNamespace = "org.freedesktop.appearance";
constexpr const char* kColorScheme = "color-scheme";

// The portal wraps the value in one or two variants depending on its version.
std::optional<uint> schemeFrom(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? std::optional<uint>(scheme) : std::nullopt;
}

} // namespace

DesktopAppearance::DesktopAppearance(const QDBusConnection& bus, QObject* parent)
    : AppearanceProvider(parent)
    , _portal(new PortalSettingsProxy(QString::fromLatin1(kPortalService),
                                      QString::fromLatin1(kPortalPath), bus, this)) {
    if (!bus.isConnected())
        return;
    // QtDBus learns its own types lazily: in a process that has not yet used one, the hook for a
    // signal with a QDBusVariant argument is never called. Asking for a signature teaches them.
    QDBusMetaType::typeToSignature(QMetaType::fromType<QDBusVariant>());
    connect(_portal, &PortalSettingsProxy::SettingChanged, this,
            &DesktopAppearance::settingChanged);
    // The start goes on meanwhile: a missing or slow portal must not hold it up.
    auto* pending = new QDBusPendingCallWatcher(
        _portal->Read(QString::fromLatin1(kNamespace), QString::fromLatin1(kColorScheme)), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                // A change signalled before the answer is newer than the answer.
                if (!reply.isError() && !_colorScheme)
                    setColorScheme(schemeFrom(reply.value().variant()));
            });
}

void DesktopAppearance::settingChanged(const QString& nameSpace, const QString& key,
                                       const QDBusVariant& value) {
    if (nameSpace == QLatin1String(kNamespace) && key == QLatin1String(kColorScheme))
        setColorScheme(schemeFrom(value.variant()));
}

void DesktopAppearance::setColorScheme(std::optional<uint> scheme) {
    const QString before = interfaceStyle();
    _colorScheme = scheme;
    if (interfaceStyle() != before)
        Q_EMIT interfaceStyleChanged();
}

QString DesktopAppearance::interfaceStyle() const {
    if (_colorScheme == 1u)
        return QStringLiteral("Dark");
    if (_colorScheme == 2u)
        return QStringLiteral("Light");
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    return dark ? QStringLiteral("Dark") : QStringLiteral("Light");
}
