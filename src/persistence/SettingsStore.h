// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <log4cplus/logger.h>

// The per-user key-value store: an in-memory registration layer under a user layer that is
// persisted, with its value types, in one file. One instance per process (standard()); tests
// may open their own on a file of their choice.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    explicit SettingsStore(const QString& filePath, QObject* parent = nullptr);

    static SettingsStore& standard();
    static QString standardFilePath();

    QString filePath() const { return _filePath; }

    void registerDefaults(const QVariantMap& defaults);
    bool synchronize();

    // Integer, double, Boolean, text and date values; anything else is refused.
    QVariant objectForKey(const QString& key) const;
    void setObject(const QVariant& value, const QString& key);
    void removeObjectForKey(const QString& key);

    qint64 integerForKey(const QString& key) const;
    void setInteger(qint64 value, const QString& key);
    double doubleForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    void setBool(bool value, const QString& key);

Q_SIGNALS:
    void valueChanged(const QString& key);

private:
    void load();
    void setAside(const QString& reason);
    bool write();
    template <typename T>
    T typedRead(const QString& key, bool (*coerce)(const QVariant&, T&)) const;

    QString _filePath;
    QVariantMap _registered;
    QVariantMap _user;
    // Entries of the file that could not be read, written back as they were.
    QJsonObject _unreadable;
    bool _lastWriteFailed = false;
    log4cplus::Logger _logger;
};
