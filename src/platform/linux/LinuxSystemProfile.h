// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/SystemProfileProvider.h"

#include <QString>

// The short profile, gathered in-process: system and desktop, processor, memory, the machine's
// maker and model, the versions, and the kind, technology and capacities of each of the laptop's
// batteries and mains supplies. Only named values are copied, so serial numbers, UUIDs, hardware
// addresses, user and host names, names given to devices and home paths never reach it.
class LinuxSystemProfile : public SystemProfileProvider {
public:
    explicit LinuxSystemProfile(QString powerSupplyFolder,
                                QString dmiFolder = QStringLiteral("/sys/class/dmi/id"));

    QString systemProfile() const override;

private:
    QString powerSupplies() const;

    QString _powerSupplyFolder;
    QString _dmiFolder;
};
