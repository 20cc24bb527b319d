// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "UpdateAlert.h"

#include "AppcastItem.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>

namespace {

// Feed text is shown as plain text: a feed must not style or link the dialog.
QString paragraph(const QString& plainText) {
    return QStringLiteral("<p>%1</p>")
        .arg(plainText.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

} // namespace

UpdateAlert::~UpdateAlert() {
    delete _dialog;
}

QMessageBox* UpdateAlert::present(const QString& text, const QString& informativeText) {
    delete _dialog;
    _dialog = new QMessageBox;
    _dialog->setAttribute(Qt::WA_DeleteOnClose);
    _dialog->setIcon(QMessageBox::Information);
    //: Title of the dialog that answers a check for updates
    _dialog->setWindowTitle(QCoreApplication::translate("UpdateAlert", "Software Update"));
    _dialog->setText(text);
    _dialog->setInformativeText(informativeText);
    return _dialog;
}

void UpdateAlert::showUpToDate(const QString& currentVersion) {
    QMessageBox* dialog = present(
        //: Headline of the update dialog when no newer version exists
        QCoreApplication::translate("UpdateAlert", "You're up to date!"),
        paragraph(
            //: Text of the update dialog when no newer version exists; %1 the running version
            QCoreApplication::translate("UpdateAlert",
                                        "Ampra %1 is currently the newest version available.")
                .arg(currentVersion)));
    dialog->setStandardButtons(QMessageBox::Ok);
    dialog->show();
}

void UpdateAlert::showUpdateFound(const AppcastItem& item, const QString& currentVersion,
                                  std::function<void()> download) {
    QString details = paragraph(
        //: Text of the update dialog when a newer version exists; %1 the new version, %2 the
        //: running one
        QCoreApplication::translate("UpdateAlert", "Ampra %1 is now available. You have %2.")
            .arg(item.displayVersionString, currentVersion));
    // Cut before parsing: the HTML parser slows down far faster than the markup grows, and
    // only the start is shown.
    const QString notes =
        QTextDocumentFragment::fromHtml(item.itemDescription.left(kMaxDescriptionLength))
            .toPlainText()
            .trimmed();
    if (!notes.isEmpty())
        details += paragraph(notes.left(kMaxNotesLength));
    if (AppcastItem::isWebAddress(item.releaseNotesURL))
        details += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                       .arg(QString::fromUtf8(item.releaseNotesURL.toEncoded()).toHtmlEscaped(),
                            //: Link to the release notes in the update dialog
                            QCoreApplication::translate("UpdateAlert", "Release notes"));
    QMessageBox* dialog = present(
        //: Headline of the update dialog when a newer version exists
        QCoreApplication::translate("UpdateAlert", "A new version of Ampra is available!"),
        details);
    //: Button of the update dialog that opens the download page
    QPushButton* downloadButton = dialog->addButton(
        QCoreApplication::translate("UpdateAlert", "Download"), QMessageBox::AcceptRole);
    //: Button of the update dialog that closes it without downloading
    dialog->addButton(QCoreApplication::translate("UpdateAlert", "Later"), QMessageBox::RejectRole);
    dialog->setDefaultButton(downloadButton);
    QObject::connect(downloadButton, &QPushButton::clicked, dialog, std::move(download));
    dialog->show();
}

void UpdateAlert::showError() {
    QMessageBox* dialog = present(
        //: Headline of the update dialog when the check failed
        QCoreApplication::translate("UpdateAlert", "Update Error!"),
        paragraph(
            //: Text of the update dialog when the check failed
            QCoreApplication::translate(
                "UpdateAlert",
                "An error occurred in retrieving update information. Please try again later.")));
    dialog->setIcon(QMessageBox::Warning);
    dialog->setStandardButtons(QMessageBox::Ok);
    dialog->show();
}
