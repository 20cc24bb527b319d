#pragma once

#include "battery/PowerSourceChangeNotifier.h"
#include "battery/PowerSourceService.h"
#include "battery/RegistryDump.h"

#include <QMap>

// Platform services whose answers a test sets; the reader owns them, the test keeps pointers.
class FakePowerSourceService : public PowerSourceService {
public:
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

class FakeRegistryDump : public RegistryDump {
public:
    explicit FakeRegistryDump(Format format = Format::ioreg) : _format(format) {}
    Format format() const override { return _format; }
    std::optional<QString> branchText(const QString& branch) override {
        asked.append(branch);
        return branches.value(branch);
    }

    QMap<QString, std::optional<QString>> branches;
    QStringList asked;

private:
    Format _format;
};

class FakeChangeNotifier : public PowerSourceChangeNotifier {
public:
    void attach(std::function<void()> callback) override { fire = std::move(callback); }

    std::function<void()> fire;
};
