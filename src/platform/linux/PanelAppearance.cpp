// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PanelAppearance.h"

#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"

#include <QColor>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.appearance");
}

const QString kLight = u"Light"_s;
const QString kDark = u"Dark"_s;

// The desktops known by the name their shell or panel owns on the session bus.
const std::pair<QString, QString> kOwners[] = {{u"org.gnome.Shell"_s, u"GNOME"_s},
                                               {u"org.kde.plasmashell"_s, u"KDE"_s},
                                               {u"org.Cinnamon"_s, u"X-Cinnamon"_s},
                                               {u"org.xfce.Panel"_s, u"XFCE"_s}};

} // namespace

PanelAppearance::PanelAppearance(SettingsStore& settings, const AppearanceProvider& desktop,
                                 const QString& currentDesktop, const QString& configFolder,
                                 const QDBusConnection& bus, QObject* parent)
    : AppearanceProvider(parent)
    , _settings(settings)
    , _desktop(desktop)
    , _configFolder(configFolder)
    , _kdeglobals(QDir(configFolder).filePath(u"kdeglobals"_s)) {
    connect(&_desktop, &AppearanceProvider::interfaceStyleChanged, this, &PanelAppearance::update);
    connect(&_settings, &SettingsStore::valueChanged, this, [this](const QString& key) {
        if (key == AmpraPreferences::kPanelAppearance)
            update();
    });
    // KDE replaces the file on a change of scheme; the folder tells when it comes back.
    connect(&_watcher, &QFileSystemWatcher::directoryChanged, this, &PanelAppearance::update);
    connect(&_watcher, &QFileSystemWatcher::fileChanged, this, &PanelAppearance::update);
    setDesktopNames(currentDesktop.split(u':', Qt::SkipEmptyParts));
    if (_desktopNames.isEmpty() && bus.isConnected())
        askBusForDesktop(bus);
}

// Some sessions leave XDG_CURRENT_DESKTOP unset, and a program started outside the session does
// not get it: the name a desktop's shell or panel owns on the session bus tells the desktop. The
// start does not wait for the bus: until it answers, or if it fails to, the panel follows the
// desktop's scheme.
void PanelAppearance::askBusForDesktop(const QDBusConnection& bus) {
    auto* call = new QDBusPendingCallWatcher(bus.interface()->asyncCall(u"ListNames"_s), this);
    connect(
        call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
            answer->deleteLater();
            const QStringList names = QDBusPendingReply<QStringList>(*answer).value();
            for (const auto& [owner, desktop] : kOwners) {
                if (names.contains(owner)) {
                    LOG4CPLUS_INFO(logger(), "No XDG_CURRENT_DESKTOP; "
                                                 << owner.toStdString()
                                                 << " on the session bus: the panel is taken as "
                                                 << desktop.toStdString() << "'s");
                    setDesktopNames({desktop});
                    return;
                }
            }
        });
}

void PanelAppearance::setDesktopNames(const QStringList& names) {
    _desktopNames = names;
    if (_desktopNames.contains(u"KDE"_s))
        _watcher.addPath(_configFolder);
    update();
}

QString PanelAppearance::interfaceStyle() const {
    return _style;
}

void PanelAppearance::update() {
    // A replaced file is watched afresh.
    if (!_watcher.directories().isEmpty()) {
        if (!_watcher.files().isEmpty())
            _watcher.removePaths(_watcher.files());
        if (QFile::exists(_kdeglobals))
            _watcher.addPath(_kdeglobals);
    }
    const QString forced = forcedStyle();
    const QString style = forced.isEmpty() ? automaticStyle() : forced;
    if (style == _style)
        return;
    const bool first = _style.isEmpty();
    _style = style;
    if (!first)
        Q_EMIT interfaceStyleChanged();
}

QString PanelAppearance::automaticStyle() const {
    static const QStringList darkPanels = {u"GNOME"_s,    u"XFCE"_s,   u"X-Cinnamon"_s,
                                           u"Cinnamon"_s, u"Budgie"_s, u"Pantheon"_s};
    if (_desktopNames.contains(u"KDE"_s)) {
        QString style = kdeglobalsStyle();
        if (!style.isEmpty())
            return style;
    } else {
        for (const QString& name : _desktopNames)
            if (darkPanels.contains(name))
                return kDark;
    }
    return _desktop.interfaceStyle() == kLight ? kLight : kDark;
}

QString PanelAppearance::forcedStyle() const {
    const QString value = _settings.objectForKey(AmpraPreferences::kPanelAppearance).toString();
    if (value == u"light"_s)
        return kLight;
    if (value == u"dark"_s)
        return kDark;
    if (!value.isEmpty() && value != u"automatic"_s && value != _reportedValue) {
        _reportedValue = value;
        LOG4CPLUS_WARN(logger(), "Unknown panel appearance \"" << value.toStdString()
                                                               << "\": the panel's own is used");
    }
    return {};
}

// Plasma's panel is drawn in the scheme's window colours: "[Colors:Window]" BackgroundNormal.
QString PanelAppearance::kdeglobalsStyle() const {
    QFile file(_kdeglobals);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool windowColors = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            windowColors = line == "[Colors:Window]";
            continue;
        }
        if (!windowColors || !line.startsWith("BackgroundNormal="))
            continue;
        const QList<QByteArray> rgb =
            line.mid(qsizetype(sizeof "BackgroundNormal=") - 1).split(',');
        bool ok = rgb.size() >= 3;
        int channels[3] = {};
        for (int i = 0; ok && i < 3; ++i) {
            channels[i] = rgb[i].trimmed().toInt(&ok);
            ok = ok && channels[i] >= 0 && channels[i] <= 255;
        }
        if (ok)
            return QColor(channels[0], channels[1], channels[2]).lightness() < 128 ? kDark : kLight;
        LOG4CPLUS_WARN(logger(), "Unreadable panel colour in kdeglobals: " << line.toStdString());
        return {};
    }
    return {};
}
