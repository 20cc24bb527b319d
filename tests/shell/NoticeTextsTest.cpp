// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/NoticeTexts.h"

#include "shell/Translations.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

void PrintTo(const NoticeTexts::Notice& notice, std::ostream* out) {
    *out << notice.title.toStdString() << " / " << notice.subtitle.toStdString();
}

namespace {

// Each language fills in the number its own way and none shows a symbolic key.
TEST(NoticeTextsTest, WordsTheNoticesInTheChosenLanguage) {
    const struct {
        QString locale;
        NoticeTexts::Notice lowCharge, onMains;
    } cases[] = {
        {"en_GB",
         {"Low battery", "Battery charge is below 20%"},
         {"Power source changed", "Now running on AC power"}},
        {"de_CH",
         {"Niedriger Akkustand", "Akkuladung unter 20 %"},
         {"Stromquelle gewechselt", "Jetzt im Netzbetrieb"}},
        {"es_MX",
         {"Batería baja", "La carga de la batería está por debajo del 20 %"},
         {"Cambio de fuente de alimentación", "Ahora funciona conectado a la corriente"}},
        {"tr_TR",
         {"Düşük pil", "Pil şarjı %20 altında"},
         {"Güç kaynağı değişti", "Artık şebeke gücüyle çalışıyor"}},
        {"ko_KR",
         {"Low battery", "Battery charge is below 20%"},
         {"Power source changed", "Now running on AC power"}},
    };
    for (const auto& row : cases) {
        const Translations translations{QLocale(row.locale)};
        EXPECT_EQ(NoticeTexts::lowCharge(20), row.lowCharge) << row.locale.toStdString();
        EXPECT_EQ(NoticeTexts::powerSourceChange(PowerSourceType::acPowered), row.onMains);
    }
}

} // namespace
