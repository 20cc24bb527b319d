// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "MailSupportHandler.h"

#include "SystemProfileProvider.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <filesystem>
#include <log4cplus/loggingmacros.h>

QString MailSupportHandler::supportAddress() {
    return QStringLiteral(AMPRA_SUPPORT_EMAIL);
}

MailSupportHandler::MailSupportHandler(std::unique_ptr<EmailSharingService> emailSharingService,
                                       const SystemProfileProvider& systemProfile,
                                       QString applicationFolder, QString address)
    //: Support eMail subject
    : subjectLocalized(QCoreApplication::translate("MailSupportHandler", "type your subject here"))
    //: Support eMail body greeting
    , bodyLocalized1(QCoreApplication::translate("MailSupportHandler", "Hi Vantrel,"))
    //: Support eMail body content
    , bodyLocalized2(QCoreApplication::translate("MailSupportHandler", "type your message here"))
    //: Support eMail body attachement warnings
    , bodyLocalized3(QCoreApplication::translate(
          "MailSupportHandler",
          "NOTE: The attached report files do NOT contain any personal information"))
    , recipient(std::move(address))
    , subjectSupport(QStringLiteral("[Ampra Support]: <") + subjectLocalized + u'>')
    , subjectContact(QStringLiteral("[Ampra Contact]: <") + subjectLocalized + u'>')
    , body(bodyLocalized1 + QStringLiteral("\n\n<") + bodyLocalized2 + QStringLiteral(">\n\n\n"))
    , _emailSharingService(std::move(emailSharingService))
    , _systemProfile(systemProfile)
    , _applicationFolder(std::move(applicationFolder))
    , _logger(log4cplus::Logger::getInstance("helpers.mailsupporthandler")) {}

void MailSupportHandler::sendSupportRequestMail() {
    subject = subjectSupport;
    body += bodyLocalized3 + u'\n';
    sendWithSupportInformation(true);
}

void MailSupportHandler::sendContactMail() {
    subject = subjectContact;
    sendWithSupportInformation(false);
}

void MailSupportHandler::sendWithSupportInformation(bool supportInformation) {
    EmailSharingService::Items items{body, {}, {}};
    if (_emailSharingService) {
        _emailSharingService->setRecipients({recipient});
        _emailSharingService->setSubject(subject);
    }
    if (supportInformation) {
        // The profile is made only for a report that has its log.
        if (const std::optional<QString> log = logFileURL()) {
            if (const std::optional<QString> profile = profileFileURL()) {
                items.attachments = {*log, *profile};
                items.temporaryFolder = QFileInfo(*profile).path();
            }
        }
    }
    if (_emailSharingService && _emailSharingService->canPerformWithItems(items)) {
        _emailSharingService->performWithItems(items);
        return;
    }
    if (_emailSharingService)
        LOG4CPLUS_ERROR(_logger, "Support services does not allow perform: canPerformWithItems");
    if (!items.temporaryFolder.isEmpty())
        QDir(items.temporaryFolder).removeRecursively();
}

std::optional<QString> MailSupportHandler::logFileURL() {
    const QString path = QDir(_applicationFolder).filePath(QStringLiteral("ampra.log"));
    if (!QFile::exists(path)) {
        LOG4CPLUS_ERROR(_logger,
                        "log file (ampra.log) not a avaliable at path " << path.toStdString());
        return std::nullopt;
    }
    return path;
}

std::optional<QString> MailSupportHandler::profileFileURL() {
    const QString folder =
        QDir(QDir::tempPath()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    std::error_code error;
    std::filesystem::create_directories(folder.toStdString(), error);
    // Private to the user: the folder is in a shared place.
    if (!error)
        std::filesystem::permissions(folder.toStdString(), std::filesystem::perms::owner_all,
                                     error);
    if (error) {
        LOG4CPLUS_ERROR(_logger, "Error creating temporal directory: " << error.message());
        return std::nullopt;
    }
    const QString profile = _systemProfile.systemProfile();
    const QString path = QDir(folder).filePath(QStringLiteral("systemProfile.txt"));
    QSaveFile file(path);
    const bool written = !profile.isEmpty() && file.open(QIODevice::WriteOnly) &&
                         file.write(profile.toUtf8()) >= 0 && file.commit();
    if (written)
        return path;
    if (!profile.isEmpty())
        LOG4CPLUS_ERROR(_logger, "Error writing profile to file "
                                     << path.toStdString() << ": "
                                     << file.errorString().toStdString());
    QDir(folder).removeRecursively();
    return std::nullopt;
}
