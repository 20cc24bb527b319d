// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "LoggingErrorPresenter.h"

#include "StoreError.h"

#include <log4cplus/loggingmacros.h>

LoggingErrorPresenter::LoggingErrorPresenter()
    : _logger(log4cplus::Logger::getInstance("helpers.persistance")) {}

void LoggingErrorPresenter::presentError(const StoreError& error) {
    LOG4CPLUS_ERROR(_logger, error.description.toStdString()
                                 << " " << error.failureReason.toStdString());
}
