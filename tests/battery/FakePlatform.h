// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceChangeNotifier.h"
#include "battery/PowerSourceService.h"
#include "battery/RegistryDump.h"

#include <QMap>
#include <algorithm>
#include <string>

// Platform services whose answers a test sets; the reader owns them, the test keeps pointers.
struct FakePowerSourceService : PowerSourceService {
    QStringList copyPowerSourcesList() override {
        ++listings;
        return sources;
    }
    QVariantMap powerSourceDescription(const QString& source) override {
        return descriptions.value(source);
    }
    QStringList sources;
    QMap<QString, QVariantMap> descriptions;
    int listings = 0;
};

struct FakeRegistryDump : RegistryDump {
    explicit FakeRegistryDump(Format format = Format::ioreg) : dumpFormat(format) {}
    Format format() const override { return dumpFormat; }
    std::optional<QString> branchText(const QString& branch) override {
        asked.append(branch);
        return branches.value(branch);
    }
    // The text's "POWER_SUPPLY_<key>=value" lines, as the Linux reading parses them.
    std::optional<Values> branchValues(const QString& branch) override {
        const auto text = branchText(branch);
        if (!text)
            return std::nullopt;
        parsed = text->toStdString();
        Values values;
        std::string_view rest(parsed);
        while (!rest.empty()) {
            const std::string_view line = rest.substr(0, rest.find('\n'));
            rest.remove_prefix(std::min(rest.size(), line.size() + 1));
            const auto equals = line.find('=');
            if (line.starts_with("POWER_SUPPLY_") && equals != std::string_view::npos)
                values.emplace_back(line.substr(13, equals - 13), line.substr(equals + 1));
        }
        return values;
    }
    Format dumpFormat;
    QMap<QString, std::optional<QString>> branches;
    std::string parsed;
    QStringList asked;
};

struct FakeChangeNotifier : PowerSourceChangeNotifier {
    void attach(std::function<void()> callback) override { fire = std::move(callback); }
    std::function<void()> fire;
};
