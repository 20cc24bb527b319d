// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "persistence/ErrorPresenter.h"

#include <log4cplus/logger.h>

// Tells the user, in a dialog, that the history cannot be kept during this run.
class MessageBoxErrorPresenter : public ErrorPresenter {
public:
    MessageBoxErrorPresenter();

    void presentError(const StoreError& error) override;

private:
    log4cplus::Logger _logger;
};
