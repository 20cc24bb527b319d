// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LinuxSystemProfile.h"

#include "PowerSupplyUevent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTextStream>

namespace {

// The power-supply values a report may carry; capacities in µAh or µWh, voltages in µV. Names
// (maker, model) are free text a device or its user may fill with anything, and the folder names of
// wireless devices carry their hardware addresses: neither is copied.
constexpr std::string_view kPowerSupplyKeys[] = {
    "TECHNOLOGY",  "CHARGE_FULL_DESIGN", "CHARGE_FULL", "ENERGY_FULL_DESIGN",
    "ENERGY_FULL", "VOLTAGE_MIN_DESIGN", "CYCLE_COUNT"};

QString readTrimmed(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

// The first "name : value" line of a /proc file.
QString procValue(const QString& path, const QString& name) {
    const QRegularExpression line(QStringLiteral("^%1\\s*:\\s*(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(readTrimmed(path)).captured(1).trimmed();
}

QString memory() {
    const QString total = procValue(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"));
    const double kibibytes = total.section(u' ', 0, 0).toDouble();
    if (kibibytes <= 0)
        return {};
    return QStringLiteral("%1 GiB").arg(kibibytes / (1024 * 1024), 0, 'f', 1);
}

} // namespace

LinuxSystemProfile::LinuxSystemProfile(QString powerSupplyFolder, QString dmiFolder)
    : _powerSupplyFolder(std::move(powerSupplyFolder))
    , _dmiFolder(std::move(dmiFolder)) {}

QString LinuxSystemProfile::systemProfile() const {
    QString text;
    QTextStream out(&text);
    const auto line = [&out](const char* name, const QString& value) {
        out << "  " << name << ": " << (value.isEmpty() ? QStringLiteral("unknown") : value)
            << '\n';
    };
    const QString cpuinfo = QStringLiteral("/proc/cpuinfo");
    out << "Software:\n";
    line("Operating system", QSysInfo::prettyProductName());
    line("Kernel", QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion());
    line("Architecture", QSysInfo::currentCpuArchitecture());
    line("Desktop", qEnvironmentVariable("XDG_CURRENT_DESKTOP") + u' ' +
                        qEnvironmentVariable("XDG_SESSION_TYPE"));
    line("Qt", QString::fromLatin1(qVersion()));
    line("Ampra", QCoreApplication::applicationVersion());
    out << "\nHardware:\n";
    line("Vendor", readTrimmed(_dmiFolder + QStringLiteral("/sys_vendor")));
    line("Model", (readTrimmed(_dmiFolder + QStringLiteral("/product_name")) + u' ' +
                   readTrimmed(_dmiFolder + QStringLiteral("/product_version")))
                      .trimmed());
    line("Processor", procValue(cpuinfo, QStringLiteral("model name")));
    line("Logical processors",
         QString::number(readTrimmed(cpuinfo).count(QRegularExpression(
             QStringLiteral("^processor\\s*:"), QRegularExpression::MultilineOption))));
    line("Memory", memory());
    out << "\nPower supplies:\n" << powerSupplies();
    return text;
}

QString LinuxSystemProfile::powerSupplies() const {
    QString text;
    const QDir folder(_powerSupplyFolder);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const std::optional<PowerSupplyUevent> uevent =
            PowerSupplyUevent::read(folder.filePath(name));
        // The laptop's own supplies: a peripheral's battery (scope Device) is not the laptop's.
        const std::optional<std::string_view> type = uevent ? uevent->value("TYPE") : std::nullopt;
        if (!type || (type != "Battery" && type != "Mains") || uevent->value("SCOPE") == "Device")
            continue;
        text +=
            QStringLiteral("  %1:\n").arg(QLatin1StringView(type->data(), qsizetype(type->size())));
        for (const std::string_view key : kPowerSupplyKeys) {
            if (const auto value = uevent->value(key))
                text += QStringLiteral("    %1: %2\n")
                            .arg(QString::fromLatin1(key.data(), qsizetype(key.size())).toLower(),
                                 QString::fromUtf8(value->data(), qsizetype(value->size())));
        }
    }
    return text.isEmpty() ? QStringLiteral("  none\n") : text;
}
