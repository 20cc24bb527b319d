// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "VersionComparator.h"

#include <QList>
#include <algorithm>

namespace {

enum class PartType { Number, Separator, Text };

struct Part {
    PartType type;
    QString text;
};

PartType typeOf(QChar character) {
    if (character.isDigit())
        return PartType::Number;
    if (character == u'.' || character.isSpace())
        return PartType::Separator;
    return PartType::Text;
}

// "1.10b2" → 1 . 10 b 2; every separator character is a part of its own.
QList<Part> split(const QString& version) {
    QList<Part> parts;
    for (const QChar character : version) {
        const PartType type = typeOf(character);
        if (!parts.isEmpty() && parts.last().type == type && type != PartType::Separator)
            parts.last().text.append(character);
        else
            parts.append({type, QString(character)});
    }
    return parts;
}

int compareNumbers(const QString& a, const QString& b) {
    // Leading zeros do not count; a longer run of digits is the larger number.
    const auto significant = [](const QString& digits) {
        qsizetype start = 0;
        while (start + 1 < digits.size() && digits.at(start) == u'0')
            ++start;
        return digits.mid(start);
    };
    const QString left = significant(a);
    const QString right = significant(b);
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

} // namespace

int VersionComparator::compareVersions(const QString& a, const QString& b) {
    const QList<Part> left = split(a);
    const QList<Part> right = split(b);
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype index = 0; index < common; ++index) {
        const Part& l = left.at(index);
        const Part& r = right.at(index);
        if (l.type == r.type) {
            const int order = l.type == PartType::Number ? compareNumbers(l.text, r.text)
                                                         : l.text.compare(r.text);
            if (order != 0)
                return order < 0 ? -1 : 1;
            continue;
        }
        // Text marks a pre-release, so anything else at its place is newer; between a number and
        // a separator the number is the newer.
        if (l.type == PartType::Text)
            return -1;
        if (r.type == PartType::Text)
            return 1;
        return l.type == PartType::Number ? 1 : -1;
    }
    if (left.size() == right.size())
        return 0;
    // What the longer one adds: a pre-release suffix makes it older, more numbers newer.
    const bool leftLonger = left.size() > right.size();
    const PartType extra = (leftLonger ? left : right).at(common).type;
    const bool longerIsNewer = extra != PartType::Text;
    return leftLonger == longerIsNewer ? 1 : -1;
}
