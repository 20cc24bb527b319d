// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QProcess>
#include <QString>
#include <memory>
#include <vector>

// Private session and system buses for one test program, so that no test talks to the
// machine's real services and programs can run in parallel. The daemons stop with the object.
class PrivateBuses {
public:
    explicit PrivateBuses(const QString& folder);
    ~PrivateBuses();

private:
    void start(const QString& folder, const char* type, const char* variable);

    std::vector<std::unique_ptr<QProcess>> _daemons;
};
