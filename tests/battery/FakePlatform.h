// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceChangeNotifier.h"
#include "battery/PowerSourceService.h"
#include "battery/RegistryDump.h"
#include "platform/linux/PowerSupplyUevent.h"

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
    // The text read as the Linux reading reads a uevent.
    std::optional<Values> branchValues(const QString& branch) override {
        const auto text = branchText(branch);
        if (!text)
            return std::nullopt;
        parsed.emplace(text->toUtf8());
        return parsed->values();
    }
    Format dumpFormat;
    QMap<QString, std::optional<QString>> branches;
    std::optional<PowerSupplyUevent> parsed;
    QStringList asked;
};

struct FakeChangeNotifier : PowerSourceChangeNotifier {
    void attach(std::function<void()> callback) override { fire = std::move(callback); }
    std::function<void()> fire;
};
