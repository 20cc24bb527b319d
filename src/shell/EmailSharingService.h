// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QStringList>

// The desktop's mail composer: opens a new message in the user's mail program, which the user
// completes and sends.
class EmailSharingService {
public:
    struct Items {
        QString body;
        // Files, attached in this order.
        QStringList attachments;
        // Removed with all it holds once the mail program has taken the attachments; none when
        // empty.
        QString temporaryFolder;
    };

    virtual ~EmailSharingService() = default;

    virtual void setRecipients(const QStringList& recipients) = 0;
    virtual void setSubject(const QString& subject) = 0;
    virtual bool canPerformWithItems(const Items& items) const = 0;
    virtual void performWithItems(const Items& items) = 0;
};
