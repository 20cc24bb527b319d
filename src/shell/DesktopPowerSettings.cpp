// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "DesktopPowerSettings.h"

#include <QProcess>
#include <QStandardPaths>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

namespace {

struct Candidate {
    QString desktop; // as XDG_CURRENT_DESKTOP names it
    QString program;
    QStringList arguments;
};

const QList<Candidate>& candidates() {
    static const QList<Candidate> list{
        {u"GNOME"_s, u"gnome-control-center"_s, {u"power"_s}},
        {u"KDE"_s, u"systemsettings"_s, {u"kcm_powerdevilprofilesconfig"_s}},
        {u"KDE"_s, u"systemsettings5"_s, {u"powerdevilprofilesconfig"_s}},
        {u"XFCE"_s, u"xfce4-power-manager-settings"_s, {}},
    };
    return list;
}

} // namespace

std::optional<QStringList> DesktopPowerSettings::command(const QString& currentDesktop,
                                                         const FindExecutable& findExecutable) {
    // XDG_CURRENT_DESKTOP is a colon-separated list, such as "ubuntu:GNOME".
    const QStringList desktops = currentDesktop.toUpper().split(u':', Qt::SkipEmptyParts);
    std::optional<QStringList> installed;
    for (const Candidate& candidate : candidates()) {
        const QString path = findExecutable(candidate.program);
        if (path.isEmpty())
            continue;
        const QStringList found = QStringList{path} + candidate.arguments;
        if (desktops.contains(candidate.desktop))
            return found;
        if (!installed)
            installed = found;
    }
    return installed;
}

bool DesktopPowerSettings::open() {
    const auto logger = log4cplus::Logger::getInstance("helpers.desktop");
    const auto found = command(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                               [](const QString& p) { return QStandardPaths::findExecutable(p); });
    if (!found) {
        LOG4CPLUS_WARN(logger, "No power settings of GNOME, KDE Plasma or Xfce are installed");
        return false;
    }
    if (!QProcess::startDetached(found->first(), found->mid(1))) {
        LOG4CPLUS_WARN(logger, "Could not start " << found->first().toStdString());
        return false;
    }
    return true;
}
