// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class QMessageBox;
struct AppcastItem;

// The answer to a check the user asked for, in a small dialog that does not block the
// application; a new answer replaces the one still open.
class UpdateAlert {
public:
    // The longest release note shown; the rest is on the download page.
    static constexpr qsizetype kMaxNotesLength = 2000;
    // The part of the feed's HTML description read for them.
    static constexpr qsizetype kMaxDescriptionLength = 2 * kMaxNotesLength;

    UpdateAlert() = default;
    UpdateAlert(const UpdateAlert&) = delete;
    UpdateAlert& operator=(const UpdateAlert&) = delete;
    // The dialog's buttons call into the owner, so it goes with it.
    ~UpdateAlert();

    void showUpToDate(const QString& currentVersion);
    void showUpdateFound(const AppcastItem& item, const QString& currentVersion,
                         std::function<void()> download);
    void showError();

private:
    QMessageBox* present(const QString& text, const QString& informativeText);

    QPointer<QMessageBox> _dialog;
};
