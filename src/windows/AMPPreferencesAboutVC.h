// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>
#include <QString>
#include <log4cplus/logger.h>

class AppWindows;
class QLabel;
class WindowActions;
namespace Ui {
class AMPPreferencesWindow;
}

// The About page: the version, the tutorial, support mail, the help centre and the
// acknowledgements.
class AMPPreferencesAboutVC : public QObject {
    Q_OBJECT

public:
    AMPPreferencesAboutVC(Ui::AMPPreferencesWindow& ui, WindowActions& actions, AppWindows& windows,
                          QObject* parent = nullptr);

    // The installed list of the libraries Ampra uses and their licences; empty when missing.
    static QString acknowledgementsPath();

    void showTutorialAction();
    void reportAProblemAction();
    void contactAction();
    void visitWebAction();
    void acknowledgementsButton();

    QLabel& appVersionLabel;

private:
    QWidget& _view;
    WindowActions& _actions;
    AppWindows& _windows;
    log4cplus::Logger _logger;
};
