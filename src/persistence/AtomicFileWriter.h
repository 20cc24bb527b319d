// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole: the data goes to a new file beside it, renamed over the old one
// once all of it is on disk, so that a crash or a full disk leaves the old file or the new one.
// The name is the system's, in bytes: QSaveFile takes it as text, which a name that is not text
// in the locale's encoding does not survive.
class AtomicFileWriter {
public:
    // Writes data to fileName, through a symbolic link and keeping the file's permissions;
    // returns why that failed, or nothing.
    static QString write(const QByteArray& fileName, const QByteArray& data);
};
