// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "battery/PowerSourceChangeNotifier.h"
#include "battery/PowerSourceService.h"
#include "battery/RegistryDump.h"

#include <QMap>

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
    Format dumpFormat;
    QMap<QString, std::optional<QString>> branches;
    QStringList asked;
};

struct FakeChangeNotifier : PowerSourceChangeNotifier {
    void attach(std::function<void()> callback) override { fire = std::move(callback); }
    std::function<void()> fire;
};
