// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierPixmap.h"

#include <QtEndian>

StatusNotifierPixmap StatusNotifierPixmap::fromImage(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    StatusNotifierPixmap pixmap{pixels.width(), pixels.height(), {}};
    pixmap.bytes.resize(qsizetype(pixels.width()) * pixels.height() * 4);
    auto* out = reinterpret_cast<quint32*>(pixmap.bytes.data());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            *out++ = qToBigEndian(line[x]);
    }
    return pixmap;
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap) {
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.bytes;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap) {
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.bytes;
    argument.endStructure();
    return argument;
}
