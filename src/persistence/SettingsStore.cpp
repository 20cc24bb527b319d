// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SettingsStore.h"

#include "AtomicFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUuid>
#include <cmath>
#include <limits>
#include <log4cplus/loggingmacros.h>
#include <optional>

namespace {

constexpr int kFormatVersion = 1;

// Normalises an accepted value to its stored type; returns an invalid variant for the others.
QVariant normalised(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toLongLong();
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return {};
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().toUTC()) : QVariant();
    default:
        return {};
    }
}

QJsonObject encode(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return {{QStringLiteral("type"), QStringLiteral("bool")},
                {QStringLiteral("value"), value.toBool()}};
    case QMetaType::LongLong:
        // As text: a JSON number would lose integers above 2^53.
        return {{QStringLiteral("type"), QStringLiteral("integer")},
                {QStringLiteral("value"), QString::number(value.toLongLong())}};
    case QMetaType::Double:
        return {{QStringLiteral("type"), QStringLiteral("double")},
                {QStringLiteral("value"), value.toDouble()}};
    case QMetaType::QString:
        return {{QStringLiteral("type"), QStringLiteral("text")},
                {QStringLiteral("value"), value.toString()}};
    default:
        return {{QStringLiteral("type"), QStringLiteral("date")},
                {QStringLiteral("value"), QString::number(value.toDateTime().toMSecsSinceEpoch())}};
    }
}

// A whole JSON number, as a person writes an integer; doubles are exact up to 2^53.
std::optional<qint64> wholeNumber(const QJsonValue& value) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::trunc(number) != number || std::abs(number) > 9007199254740992.0)
        return std::nullopt;
    return qint64(number);
}

// A value without its type, as typed by hand: the JSON type says it.
QVariant decodeBare(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool();
    if (const auto number = wholeNumber(value))
        return *number;
    if (value.isDouble())
        return value.toDouble();
    if (value.isString())
        return value.toString();
    return {};
}

QVariant decode(const QJsonValue& stored) {
    if (!stored.isObject())
        return decodeBare(stored);
    const QJsonObject entry = stored.toObject();
    const QString type = entry.value(QStringLiteral("type")).toString();
    const QJsonValue value = entry.value(QStringLiteral("value"));
    bool ok = false;
    if (type == QStringLiteral("bool") && value.isBool())
        return value.toBool();
    if (type == QStringLiteral("integer")) {
        if (const auto number = wholeNumber(value))
            return *number;
        const qint64 number = value.toString().toLongLong(&ok);
        return ok ? QVariant(number) : QVariant();
    }
    if (type == QStringLiteral("double") && value.isDouble())
        return value.toDouble();
    if (type == QStringLiteral("text") && value.isString())
        return value.toString();
    if (type == QStringLiteral("date")) {
        const qint64 ms = value.toString().toLongLong(&ok);
        return ok ? QVariant(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)) : QVariant();
    }
    return {};
}

bool toInteger(const QVariant& value, qint64& out) {
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Bool:
        out = value.toLongLong();
        return true;
    case QMetaType::Double: {
        const double d = std::trunc(value.toDouble());
        if (!std::isfinite(d) || d < -9.2233720368547758e18 || d >= 9.2233720368547758e18)
            return false;
        out = qint64(d);
        return true;
    }
    default:
        return false;
    }
}

bool toDouble(const QVariant& value, double& out) {
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        out = value.toDouble();
        return true;
    default:
        return false;
    }
}

bool toBool(const QVariant& value, bool& out) {
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        out = value.toDouble() != 0.0;
        return true;
    default:
        return false;
    }
}

} // namespace

SettingsStore::SettingsStore(const QString& filePath, QObject* parent)
    : QObject(parent)
    , _filePath(filePath)
    , _logger(log4cplus::Logger::getInstance("helpers.settings")) {
    load();
}

SettingsStore& SettingsStore::standard() {
    static SettingsStore store(standardFilePath());
    return store;
}

QString SettingsStore::standardFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/com.vantrel.Ampra/settings.json");
}

void SettingsStore::load() {
    QFile file(_filePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(file.errorString());
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (error.error != QJsonParseError::NoError) {
        setAside(error.errorString());
        return;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toInt() != kFormatVersion ||
        !root.value(QStringLiteral("values")).isObject()) {
        setAside(QStringLiteral("not a settings file of this version"));
        return;
    }
    const QJsonObject values = root.value(QStringLiteral("values")).toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QVariant value = decode(it.value());
        if (value.isValid()) {
            _user.insert(it.key(), value);
            continue;
        }
        // Kept for the person who wrote it; the default applies meanwhile.
        _unreadable.insert(it.key(), it.value());
        LOG4CPLUS_WARN(_logger, "Settings file "
                                    << _filePath.toStdString() << ": cannot read the value of "
                                    << it.key().toStdString()
                                    << "; using the default and keeping it as written");
    }
}

void SettingsStore::setAside(const QString& reason) {
    const QString aside =
        _filePath + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"));
    const bool moved = QFile::rename(_filePath, aside);
    LOG4CPLUS_WARN(_logger, "Settings file " << _filePath.toStdString() << " is unreadable ("
                                             << reason.toStdString() << "); using the defaults. "
                                             << (moved ? "It was kept as " + aside.toStdString()
                                                       : std::string("It could not be moved aside"))
                                             << ".");
}

bool SettingsStore::write() {
    // Kept values go in compactly, each in place of a marker no other text holds: indented, a
    // deeply nested one would grow with the square of its depth.
    const QString marker = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QJsonObject values;
    QList<QByteArray> kept;
    for (auto it = _unreadable.constBegin(); it != _unreadable.constEnd(); ++it) {
        values.insert(it.key(), marker + QString::number(kept.size()));
        kept << QJsonDocument(QJsonArray{it.value()})
                    .toJson(QJsonDocument::Compact)
                    .chopped(1)
                    .mid(1);
    }
    for (auto it = _user.cbegin(); it != _user.cend(); ++it)
        values.insert(it.key(), encode(it.value()));
    const QJsonObject root{{QStringLiteral("format"), kFormatVersion},
                           {QStringLiteral("values"), values}};
    QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    for (qsizetype i = 0; i < kept.size(); ++i)
        text.replace('"' + (marker + QString::number(i)).toLatin1() + '"', kept.at(i));

    QDir().mkpath(QFileInfo(_filePath).absolutePath());
    const QString reason = AtomicFileWriter::write(QFile::encodeName(_filePath), text);
    const bool ok = reason.isEmpty();
    // One line per failing stretch: the engine writes every minute.
    if (!ok && !_lastWriteFailed)
        LOG4CPLUS_WARN(_logger, "Could not write the settings file "
                                    << _filePath.toStdString() << ": " << reason.toStdString());
    _lastWriteFailed = !ok;
    return ok;
}

void SettingsStore::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        const QVariant value = normalised(it.value());
        if (value.isValid())
            _registered.insert(it.key(), value);
    }
}

bool SettingsStore::synchronize() {
    // Writes go through at once, so only a failed one is left to retry.
    return !_lastWriteFailed || write();
}

QVariant SettingsStore::objectForKey(const QString& key) const {
    const auto user = _user.constFind(key);
    return user != _user.cend() ? *user : _registered.value(key);
}

void SettingsStore::setObject(const QVariant& value, const QString& key) {
    if (!value.isValid()) {
        removeObjectForKey(key);
        return;
    }
    const QVariant stored = normalised(value);
    if (!stored.isValid()) {
        LOG4CPLUS_WARN(_logger, "Refusing to store a value of type "
                                    << value.typeName() << " under " << key.toStdString());
        return;
    }
    const auto existing = _user.constFind(key);
    if (existing != _user.cend() && existing->typeId() == stored.typeId() && *existing == stored)
        return;
    _unreadable.remove(key);
    _user.insert(key, stored);
    write();
    Q_EMIT valueChanged(key);
}

void SettingsStore::removeObjectForKey(const QString& key) {
    const bool unreadable = _unreadable.contains(key);
    _unreadable.remove(key);
    if (_user.remove(key) == 0 && !unreadable)
        return;
    write();
    Q_EMIT valueChanged(key);
}

template <typename T>
T SettingsStore::typedRead(const QString& key, bool (*coerce)(const QVariant&, T&)) const {
    // A user value of the wrong kind is unreadable: fall back to the registered default.
    T out{};
    if (const auto user = _user.constFind(key); user != _user.cend() && coerce(*user, out))
        return out;
    if (const auto registered = _registered.constFind(key);
        registered != _registered.cend() && coerce(*registered, out))
        return out;
    return T{};
}

qint64 SettingsStore::integerForKey(const QString& key) const {
    return typedRead<qint64>(key, toInteger);
}

void SettingsStore::setInteger(qint64 value, const QString& key) {
    setObject(value, key);
}

double SettingsStore::doubleForKey(const QString& key) const {
    return typedRead<double>(key, toDouble);
}

bool SettingsStore::boolForKey(const QString& key) const {
    return typedRead<bool>(key, toBool);
}

void SettingsStore::setBool(bool value, const QString& key) {
    setObject(value, key);
}
