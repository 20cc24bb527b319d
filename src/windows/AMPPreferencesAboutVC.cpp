// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPPreferencesAboutVC.h"

#include "WindowActions.h"
#include "WindowIcon.h"
#include "popover/AppWindows.h"
#include "stylekit/Palette.h"
#include "ui_AMPPreferencesWindow.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

AMPPreferencesAboutVC::AMPPreferencesAboutVC(Ui::AMPPreferencesWindow& ui, WindowActions& actions,
                                             AppWindows& windows, QObject* parent)
    : QObject(parent)
    , appVersionLabel(*ui.appVersionLabel)
    , _view(*ui.AMPPreferencesAboutVC)
    , _actions(actions)
    , _windows(windows)
    , _logger(log4cplus::Logger::getInstance("ui.preferences")) {
    //: Version
    appVersionLabel.setText(tr("app_version") + u' ' + QStringLiteral(AMPRA_VERSION) + u" ("_s +
                            QStringLiteral(AMPRA_BUILD_NUMBER) + u')');
    QPalette palette = _view.palette();
    palette.setColor(QPalette::Window, AmpraStyleKit::popOverBackgroundColor());
    _view.setPalette(palette);
    ui.appIconLabel->setPixmap(WindowIcon::icon().pixmap(64, 64));
    //: What the About page's picture shows, for screen readers
    ui.appIconLabel->setAccessibleName(tr("Ampra's icon"));
    QFont title = ui.appNameLabel->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    ui.appNameLabel->setFont(title);
    ui.acknowledgementsButton->setEnabled(!acknowledgementsPath().isEmpty());
    connect(ui.showTutorialButton, &QPushButton::clicked, this,
            &AMPPreferencesAboutVC::showTutorialAction);
    connect(ui.reportAProblemButton, &QPushButton::clicked, this,
            &AMPPreferencesAboutVC::reportAProblemAction);
    connect(ui.contactButton, &QPushButton::clicked, this, &AMPPreferencesAboutVC::contactAction);
    connect(ui.visitWebButton, &QPushButton::clicked, this, &AMPPreferencesAboutVC::visitWebAction);
    connect(ui.acknowledgementsButton, &QPushButton::clicked, this,
            &AMPPreferencesAboutVC::acknowledgementsButton);
}

QString AMPPreferencesAboutVC::acknowledgementsPath() {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  u"ampra/Acknowledgements.txt"_s);
}

void AMPPreferencesAboutVC::showTutorialAction() {
    _windows.showTutorialWindow();
}

void AMPPreferencesAboutVC::reportAProblemAction() {
    _actions.sendSupportRequestMail();
}

void AMPPreferencesAboutVC::contactAction() {
    _actions.sendContactMail();
}

void AMPPreferencesAboutVC::visitWebAction() {
    if (!QDesktopServices::openUrl(QUrl(QStringLiteral(AMPRA_HELP_URL))))
        LOG4CPLUS_WARN(_logger, "No browser opened the help centre " AMPRA_HELP_URL);
}

void AMPPreferencesAboutVC::acknowledgementsButton() {
    QFile file(acknowledgementsPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        LOG4CPLUS_WARN(_logger, "The acknowledgements are not installed");
        return;
    }
    auto* dialog = new QDialog(_view.window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    //: Title of the window with the libraries Ampra uses and their licences
    dialog->setWindowTitle(tr("Acknowledgements"));
    auto* text = new QPlainTextEdit(QString::fromUtf8(file.readAll()), dialog);
    text->setReadOnly(true);
    //: Accessible name of the text of the acknowledgements
    text->setAccessibleName(tr("Libraries and licences"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(520, 460);
    dialog->show();
}
