// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>

class QWidget;
class SettingsStore;
class WindowActions;

// A tutorial page whose texts take the kit's tutorial styles: a text with a non-zero "tag" is a
// title, the others body text. A start-at-login box on the page works as in the preferences.
class AMPTutorialFormattedPageVC : public QObject {
    Q_OBJECT

public:
    AMPTutorialFormattedPageVC(QWidget& view, SettingsStore& store, WindowActions& actions,
                               QObject* parent = nullptr);

    QWidget& view() const { return _view; }

protected:
    void viewDidLoad();

    QWidget& _view;
    WindowActions& _actions;
};
