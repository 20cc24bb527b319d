// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "HistoryExportDialog.h"

#include "persistence/HistoryExport.h"
#include "persistence/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

void HistoryExportDialog::open(QWidget& view, ManagedObjectContext* context) {
    QTimer::singleShot(0, qApp, [context] { run(context); });
    if (view.window()->windowType() == Qt::Popup)
        view.window()->close();
}

void HistoryExportDialog::run(ManagedObjectContext* context) {
    //: Title of the message box when the history could not be exported
    const QString failed = tr("Export Failed");
    if (!context) {
        //: Shown when the history is to be exported but the data store did not open
        QMessageBox::warning(nullptr, failed, tr("The battery history could not be read."));
        return;
    }
    const QString fileName = QFileDialog::getSaveFileName(
        nullptr,
        //: Title of the file dialog that saves the battery history
        tr("Export Battery History"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(
                //: Suggested file name of the exported battery history
                tr("ampra-history.csv")),
        //: File type filter of the file dialog that saves the battery history
        tr("CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    StoreError error;
    if (!HistoryExport::exportContext(*context, QFile::encodeName(fileName), &error))
        //: Shown when the history could not be exported; %1 is the reason, in English
        QMessageBox::warning(nullptr, failed,
                             tr("The battery history could not be exported.\n\n%1")
                                 .arg(error.description + u' ' + error.failureReason));
}
