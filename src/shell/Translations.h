// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QLocale>
#include <QTranslator>

// Installs, for its lifetime, Ampra's translation that best matches the locale's languages
// (English when none does, so no symbolic key reaches the screen) and Qt's own for its dialogs.
// Numbers and dates follow the chosen language, so they read the same as the texts around them.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the texts shown: "de", "es", "en".
    QString language() const;

private:
    QTranslator _application;
    QTranslator _qt;
};
