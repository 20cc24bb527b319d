// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QWidget>
#include <memory>

class AMPPreferencesAppearanceVC;
class AMPPreferencesGeneralVC;
class AMPPreferencesNotificationsVC;
class AppWindows;
class GlobalConfigurationProvider;
class SettingsStore;
class WindowActions;
namespace Ui {
class AMPPreferencesWindow;
}

// The preferences window: four pages in tabs, every control written to the settings store at
// once, so there is nothing to apply. Escape closes it.
class AMPPreferencesTabVC : public QWidget {
    Q_OBJECT

public:
    AMPPreferencesTabVC(SettingsStore& store, GlobalConfigurationProvider* configuration,
                        WindowActions& actions, AppWindows& windows, QWidget* parent = nullptr);
    ~AMPPreferencesTabVC() override;

    // False while the latest record found no battery: the settings then mean nothing.
    bool enabledControls() const;
    // Enables the first three pages by enabledControls().
    void refreshEnabledControls();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::AMPPreferencesWindow> _ui;
    WindowActions& _actions;
    AMPPreferencesGeneralVC* _general;
    AMPPreferencesNotificationsVC* _notifications;
    std::unique_ptr<AMPPreferencesAppearanceVC> _appearance;
};
