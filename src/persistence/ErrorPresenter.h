// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

struct StoreError;

// Shows the user an error of the data store; the application puts it on screen.
class ErrorPresenter {
public:
    virtual ~ErrorPresenter() = default;

    virtual void presentError(const StoreError& error) = 0;
};
