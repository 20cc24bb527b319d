// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <sys/types.h>
#include <vector>

// Private session and system buses for one test program, so that no test talks to the
// machine's real services and programs can run in parallel. The daemons stop with the object.
class PrivateBuses {
public:
    explicit PrivateBuses(const QString& folder);
    ~PrivateBuses();
    PrivateBuses(const PrivateBuses&) = delete;
    PrivateBuses& operator=(const PrivateBuses&) = delete;

private:
    void start(const char* type, const char* variable);

    QString _folder;
    std::vector<pid_t> _daemons;
};
