// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/EmailSharingService.h"

// The user's mail program through xdg-email, which it can do whenever the program is found.
class XdgEmailSharingService : public EmailSharingService {
public:
    void setRecipients(const QStringList& recipients) override { _recipients = recipients; }
    void setSubject(const QString& subject) override { _subject = subject; }
    bool canPerformWithItems(const Items& items) const override;
    void performWithItems(const Items& items) override;

private:
    static QString program();

    QStringList _recipients;
    QString _subject;
};
