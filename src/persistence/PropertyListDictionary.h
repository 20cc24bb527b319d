// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// A property-list file, XML or binary, whose root is a dictionary.
class PropertyListDictionary {
public:
    // None when the file is missing, unreadable, no property list or not a dictionary.
    static std::optional<PropertyListDictionary> read(const QString& path);

    // The value under key when it is an array whose items are all strings.
    std::optional<QStringList> stringArray(const char* key) const;

private:
    using Node = std::shared_ptr<void>;
    explicit PropertyListDictionary(Node root) : _root(std::move(root)) {}

    Node _root;
};
