// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <functional>

// Calls back on the thread that attached it whenever any power-source information changes.
class PowerSourceChangeNotifier {
public:
    virtual ~PowerSourceChangeNotifier() = default;
    virtual void attach(std::function<void()> callback) = 0;
};
