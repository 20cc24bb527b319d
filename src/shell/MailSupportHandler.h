// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "EmailSharingService.h"

#include <QString>
#include <log4cplus/logger.h>
#include <memory>
#include <optional>

class SystemProfileProvider;

// Prepares a mail to the support inbox in the user's mail program: a problem report with the
// log and a system profile attached, or a plain contact mail. Made for one mail.
class MailSupportHandler {
public:
    // The support inbox is the build's AMPRA_SUPPORT_EMAIL.
    static QString supportAddress();

    // `emailSharingService` may be absent; the log is looked for in `applicationFolder`.
    MailSupportHandler(std::unique_ptr<EmailSharingService> emailSharingService,
                       const SystemProfileProvider& systemProfile, QString applicationFolder,
                       QString recipient = supportAddress());

    void sendSupportRequestMail();
    void sendContactMail();
    void sendWithSupportInformation(bool supportInformation);

    const QString subjectLocalized;
    const QString bodyLocalized1;
    const QString bodyLocalized2;
    const QString bodyLocalized3;
    const QString recipient;
    const QString subjectSupport;
    const QString subjectContact;
    QString subject;
    QString body;

private:
    std::optional<QString> logFileURL();
    std::optional<QString> profileFileURL();

    std::unique_ptr<EmailSharingService> _emailSharingService;
    const SystemProfileProvider& _systemProfile;
    QString _applicationFolder;
    log4cplus::Logger _logger;
};
