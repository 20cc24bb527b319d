// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kName = QStringLiteral("ampra");

} // namespace

Translations::Translations(const QLocale& locale) {
    if (!_application.load(locale, kName, QStringLiteral("_"), kFolder) &&
        !_application.load(kName + QStringLiteral("_en"), kFolder))
        LOG4CPLUS_ERROR(log4cplus::Logger::getInstance("shell.translations"),
                        "The English texts are missing from the program");
    QCoreApplication::installTranslator(&_application);
    const QLocale chosen(language());
    QLocale::setDefault(chosen);
    if (_qt.load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&_qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&_qt);
    QCoreApplication::removeTranslator(&_application);
}

QString Translations::language() const {
    return _application.language();
}
