// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "Appcast.h"

#include "VersionComparator.h"

#include <QXmlStreamReader>

bool Appcast::parse(const QByteArray& xml, QString& error) {
    _items.clear();
    QXmlStreamReader reader(xml);
    bool sawChannel = false;
    while (reader.readNextStartElement()) {
        if (reader.name() == u"rss") {
            continue; // descend
        } else if (reader.name() == u"channel") {
            sawChannel = true;
            qsizetype itemCount = 0;
            while (reader.readNextStartElement()) {
                if (reader.name() != u"item") {
                    reader.skipCurrentElement();
                    continue;
                }
                if (++itemCount > kMaxItems)
                    reader.raiseError(QStringLiteral("more than %1 items").arg(kMaxItems));
                AppcastItem item = readItem(reader);
                if (!item.versionString.isEmpty())
                    _items.append(std::move(item));
            }
        } else {
            reader.raiseError(QStringLiteral("not an RSS feed"));
        }
    }
    if (reader.hasError()) {
        _items.clear();
        error = QStringLiteral("%1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber());
        return false;
    }
    if (!sawChannel) {
        error = QStringLiteral("no channel");
        return false;
    }
    return true;
}

AppcastItem Appcast::readItem(QXmlStreamReader& reader) {
    const QString sparkle = QString::fromUtf16(kSparkleNamespace);
    AppcastItem item;
    QString enclosureVersion;
    QString enclosureDisplayVersion;
    while (reader.readNextStartElement()) {
        const bool inSparkle = reader.namespaceUri() == sparkle;
        const QStringView name = reader.name();
        if (name == u"enclosure") {
            const QXmlStreamAttributes attributes = reader.attributes();
            item.fileURL = QUrl(attributes.value(QStringLiteral("url")).toString().trimmed());
            enclosureVersion =
                attributes.value(sparkle, QStringLiteral("version")).toString().trimmed();
            enclosureDisplayVersion =
                attributes.value(sparkle, QStringLiteral("shortVersionString"))
                    .toString()
                    .trimmed();
            reader.skipCurrentElement();
            continue;
        }
        const QString text = readText(reader);
        if (inSparkle && name == u"version")
            item.versionString = text.trimmed();
        else if (inSparkle && name == u"shortVersionString")
            item.displayVersionString = text.trimmed();
        else if (inSparkle && name == u"releaseNotesLink")
            item.releaseNotesURL = QUrl(text.trimmed());
        else if (!inSparkle && name == u"title")
            item.title = text.trimmed();
        else if (!inSparkle && name == u"link")
            item.infoURL = QUrl(text.trimmed());
        else if (!inSparkle && name == u"description")
            item.itemDescription = text.trimmed();
    }
    if (item.versionString.isEmpty())
        item.versionString = enclosureVersion;
    if (item.displayVersionString.isEmpty())
        item.displayVersionString = enclosureDisplayVersion;
    if (item.displayVersionString.isEmpty())
        item.displayVersionString = item.versionString;
    return item;
}

// The text of the current element and of every element in it. QXmlStreamReader::readElementText
// recurses once per nested element: a hostile feed would overflow the stack.
QString Appcast::readText(QXmlStreamReader& reader) {
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxDepth)
                reader.raiseError(QStringLiteral("elements nested deeper than %1").arg(kMaxDepth));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += reader.text();
            break;
        default:
            break;
        }
    }
    return text;
}

std::optional<AppcastItem> Appcast::newestItem() const {
    std::optional<AppcastItem> newest;
    for (const AppcastItem& item : _items) {
        if (!newest ||
            VersionComparator::compareVersions(item.versionString, newest->versionString) > 0)
            newest = item;
    }
    return newest;
}
