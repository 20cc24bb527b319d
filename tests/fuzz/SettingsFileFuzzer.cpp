// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// The settings file, as a person editing it by hand or a full disk may leave it.

#include "FuzzSupport.h"
#include "persistence/SettingsStore.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

// Whatever the file holds, the store reads it or sets it aside, gives only the values it stores,
// and writes a file it reads back to the same values and the same text.
void fuzz(const QByteArray& input) {
    QDir(scratchFolder().path()).removeRecursively();
    QDir().mkpath(scratchFolder().path());
    const QString path = scratchFolder().filePath(QStringLiteral("settings.json"));
    mustWrite(path, input);
    QStringList keys = QJsonDocument::fromJson(input)
                           .object()
                           .value(QStringLiteral("values"))
                           .toObject()
                           .keys()
                           .mid(0, 16);
    const QString written = QStringLiteral("written");
    keys << written;
    QVariantList values;
    {
        SettingsStore store(path);
        store.setBool(true, written);
        for (const QString& key : keys) {
            const QVariant value = store.objectForKey(key);
            const int type = value.typeId();
            require(!value.isValid() || type == QMetaType::Bool || type == QMetaType::LongLong ||
                        type == QMetaType::Double || type == QMetaType::QString ||
                        type == QMetaType::QDateTime,
                    "only the stored types are given");
            values << value;
            store.integerForKey(key);
            store.doubleForKey(key);
            store.boolForKey(key);
        }
    }
    const QByteArray first = readFile(path);
    QVariantList reread;
    {
        SettingsStore store(path);
        for (const QString& key : keys)
            reread << store.objectForKey(key);
        store.setBool(true, written);
    }
    require(reread == values, "a written file reads back to the same values");
    require(readFile(path) == first, "a written file is written again unchanged");
}
