// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "ErrorPresenter.h"

#include <log4cplus/logger.h>

// Writes the error to the log; the presenter of a run without a user interface.
class LoggingErrorPresenter : public ErrorPresenter {
public:
    LoggingErrorPresenter();

    void presentError(const StoreError& error) override;

private:
    log4cplus::Logger _logger;
};
