// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QCoreApplication>

class ManagedObjectContext;
class QWidget;

// The capacity and calibration views' "Export…": asks the desktop's file dialog where to save
// the history as CSV, writes it there and says so when that fails.
class HistoryExportDialog {
    Q_DECLARE_TR_FUNCTIONS(HistoryExportDialog)

public:
    // `context` is none when the store did not open. A popover around `view` closes first: a
    // popup holds the pointer and the keyboard, which the dialog needs. The dialog opens once
    // the event loop runs again, so it does not depend on the view, which may be gone by then.
    static void open(QWidget& view, ManagedObjectContext* context);

private:
    static void run(ManagedObjectContext* context);
};
