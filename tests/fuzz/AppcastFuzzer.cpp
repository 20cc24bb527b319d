// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The update feed, as any server on the way may write it, and the order of the versions in it.

#include "FuzzSupport.h"
#include "shell/Appcast.h"
#include "shell/VersionComparator.h"

#include <QList>

namespace {

int sign(int order) {
    return (order > 0) - (order < 0);
}

// Antisymmetric and transitive on every triple, so that the newest version is well defined.
void checkOrder(const QList<QString>& versions) {
    for (const QString& a : versions) {
        require(VersionComparator::compareVersions(a, a) == 0, "a version equals itself");
        for (const QString& b : versions) {
            const int ab = sign(VersionComparator::compareVersions(a, b));
            require(ab == -sign(VersionComparator::compareVersions(b, a)),
                    "the comparison is antisymmetric");
            for (const QString& c : versions) {
                const int bc = sign(VersionComparator::compareVersions(b, c));
                const int ac = sign(VersionComparator::compareVersions(a, c));
                require(ab != bc || ac == ab, "the comparison is transitive");
                require(ab != 0 || ac == bc, "equal versions compare alike");
            }
        }
    }
}

} // namespace

void fuzz(const QByteArray& input) {
    Appcast appcast;
    QString error;
    if (appcast.parse(input, error)) {
        require(appcast.items().size() <= Appcast::kMaxItems, "no more items than the limit");
        const std::optional<AppcastItem> newest = appcast.newestItem();
        require(newest.has_value() == !appcast.items().isEmpty(), "a feed with items has a newest");
        QList<QString> versions;
        for (const AppcastItem& item : appcast.items()) {
            require(!item.versionString.isEmpty(), "every item kept has a version");
            require(VersionComparator::compareVersions(newest->versionString, item.versionString) >=
                        0,
                    "the newest item is not older than any other");
            if (versions.size() < 8)
                versions << item.versionString;
        }
        checkOrder(versions);
    } else {
        require(!error.isEmpty() && appcast.items().isEmpty(), "a refused feed has a reason");
    }
    // The input as three versions, one a line.
    const QList<QByteArray> lines = input.split('\n');
    QList<QString> versions;
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 3); ++i)
        versions << QString::fromUtf8(lines.at(i));
    checkOrder(versions);
}
