// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "XdgAutostartLoginItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.autostart");
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString executable)
    : _executable(std::move(executable)) {}

QString XdgAutostartLoginItem::filePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/com.vantrel.Ampra.desktop");
}

QString XdgAutostartLoginItem::execValue(const QString& program) {
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString value = program;
    value.replace(u'%', QStringLiteral("%%"));
    if (std::any_of(value.cbegin(), value.cend(),
                    [](QChar character) { return kReserved.contains(character); })) {
        QString quoted;
        for (const QChar character : value) {
            if (character == u'"' || character == u'`' || character == u'$' || character == u'\\')
                quoted += u'\\';
            quoted += character;
        }
        value = u'"' + quoted + u'"';
    }
    // The value is a string too, whose own escape character is the backslash.
    return value.replace(u'\\', QStringLiteral("\\\\"));
}

bool XdgAutostartLoginItem::setLoginItemEnabled(bool enabled) {
    const QString path = filePath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            LOG4CPLUS_WARN(logger(), "Could not remove the autostart entry " << path.toStdString());
            return false;
        }
        LOG4CPLUS_INFO(logger(), "Ampra no longer starts at login");
        return true;
    }
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Ampra\n"
                                         "Exec=%1\n"
                                         "Icon=com.vantrel.Ampra\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execValue(_executable));
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit()) {
        LOG4CPLUS_WARN(logger(), "Could not write the autostart entry "
                                     << path.toStdString() << ": "
                                     << file.errorString().toStdString());
        return false;
    }
    LOG4CPLUS_INFO(logger(), "Ampra starts at login: " << path.toStdString());
    return true;
}
