// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QUrl>

// One release as an update feed lists it.
struct AppcastItem {
    QString title;
    // The version that is compared; the display version is what the user reads.
    QString versionString;
    QString displayVersionString;
    QString itemDescription;
    QUrl releaseNotesURL;
    QUrl infoURL;
    QUrl fileURL;

    // Only web addresses are fetched or opened: a feed must not make the desktop open anything
    // else, such as "http:/etc/passwd", which has no host and names a local file.
    static bool isWebAddress(const QUrl& url) {
        return url.isValid() && (url.scheme() == u"https" || url.scheme() == u"http") &&
               !url.host().isEmpty();
    }

    // Where the user gets the release: its web page, else the file itself.
    QUrl downloadPage() const {
        for (const QUrl& url : {infoURL, fileURL}) {
            if (isWebAddress(url))
                return url;
        }
        return {};
    }
};
