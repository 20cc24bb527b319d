// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PropertyListDictionary.h"

#include <QFile>
#include <plist/plist.h>

namespace {

// Far above any history file; keeps a stray huge file out of memory.
constexpr qint64 kMaximumFileSize = 64 * 1024 * 1024;

} // namespace

std::optional<PropertyListDictionary> PropertyListDictionary::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaximumFileSize)
        return std::nullopt;
    const QByteArray data = file.readAll();
    plist_t root = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &root);
    if (!root)
        return std::nullopt;
    Node node(root, plist_free);
    if (plist_get_node_type(root) != PLIST_DICT)
        return std::nullopt;
    return PropertyListDictionary(std::move(node));
}

std::optional<QStringList> PropertyListDictionary::stringArray(const char* key) const {
    plist_t array = plist_dict_get_item(_root.get(), key);
    if (!array || plist_get_node_type(array) != PLIST_ARRAY)
        return std::nullopt;
    QStringList strings;
    for (uint32_t i = 0; i < plist_array_get_size(array); ++i) {
        plist_t item = plist_array_get_item(array, i);
        if (plist_get_node_type(item) != PLIST_STRING)
            return std::nullopt;
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(item, &length);
        strings << QString::fromUtf8(text, qsizetype(length));
    }
    return strings;
}
