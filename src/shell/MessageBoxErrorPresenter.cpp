// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "MessageBoxErrorPresenter.h"

#include "persistence/StoreError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <log4cplus/loggingmacros.h>

MessageBoxErrorPresenter::MessageBoxErrorPresenter()
    : _logger(log4cplus::Logger::getInstance("helpers.persistance")) {}

void MessageBoxErrorPresenter::presentError(const StoreError& error) {
    LOG4CPLUS_ERROR(_logger, error.description.toStdString()
                                 << ": " << error.failureReason.toStdString());
    // Offscreen runs (tests, scripts) have nobody to click the dialog away.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    // Shown without a nested event loop: the error comes up in the middle of an update, which
    // must finish before the next one starts.
    // The details are the logged English ones: they name the file and the system's error.
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Ampra"),
        //: Shown when the file with the calibration and capacity history cannot be opened
        QCoreApplication::translate("MessageBoxErrorPresenter",
                                    "Ampra cannot open the file where it keeps its history. It "
                                    "goes on without saving calibrations and capacity readings."));
    box->setInformativeText(error.description + QStringLiteral(": ") + error.failureReason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
