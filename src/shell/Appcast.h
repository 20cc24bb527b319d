// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AppcastItem.h"

#include <QByteArray>
#include <QList>
#include <optional>

class QXmlStreamReader;

// An update feed: RSS 2.0 whose items carry their versions in the sparkle namespace, as elements
// or, in older feeds, as attributes of the enclosure.
class Appcast {
public:
    static constexpr const char16_t* kSparkleNamespace =
        u"http://www.andymatuschak.org/xml-namespaces/sparkle";
    // Far more than any real feed lists or nests; a feed beyond them is refused.
    static constexpr qsizetype kMaxItems = 1000;
    static constexpr int kMaxDepth = 64;

    // False, with the reason in `error`, when the text is not such a feed. Items without a
    // version are left out.
    bool parse(const QByteArray& xml, QString& error);

    const QList<AppcastItem>& items() const { return _items; }
    std::optional<AppcastItem> newestItem() const;

private:
    static AppcastItem readItem(QXmlStreamReader& reader);
    static QString readText(QXmlStreamReader& reader);

    QList<AppcastItem> _items;
};
