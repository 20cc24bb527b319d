// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPPreferencesTabVC.h"

#include "AMPPreferencesAboutVC.h"
#include "AMPPreferencesAppearanceVC.h"
#include "AMPPreferencesGeneralVC.h"
#include "AMPPreferencesNotificationsVC.h"
#include "WindowActions.h"
#include "WindowIcon.h"
#include "popover/AccessibleViews.h"
#include "ui_AMPPreferencesWindow.h"

#include <QFile>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace {

// The image named after the page, "Error" for a page without one.
QIcon tabImage(const QWidget& page) {
    const QString path = u":/windows/%1.svg"_s.arg(page.objectName());
    return QIcon(QFile::exists(path) ? path : u":/windows/Error.svg"_s);
}

} // namespace

AMPPreferencesTabVC::AMPPreferencesTabVC(SettingsStore& store,
                                         GlobalConfigurationProvider* configuration,
                                         WindowActions& actions, AppWindows& windows,
                                         QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPPreferencesWindow>())
    , _actions(actions) {
    WindowIcon::registerImages();
    _ui->setupUi(this);
    //: Title of the preferences window
    setWindowTitle(tr("Ampra Preferences"));
    setWindowIcon(WindowIcon::icon());
    // A hint is read with the control it explains.
    const std::pair<QWidget*, QLabel*> hints[] = {
        {_ui->calibrationSchedulePopUpButton, _ui->calibrationHint},
        {_ui->remindToUnplugPopUpButton, _ui->remindToUnplugHint},
        {_ui->liftChargeLimitCheckBox, _ui->liftChargeLimitHint},
        {_ui->panelAppearancePopUpButton, _ui->panelAppearanceHint}};
    for (const auto& [control, hint] : hints)
        control->setAccessibleDescription(hint->text());
    AccessibleViews::clickButtonsOnEnter(*this);
    for (int index = 0; index < _ui->tabView->count(); ++index)
        _ui->tabView->setTabIcon(index, tabImage(*_ui->tabView->widget(index)));
    _ui->tabView->setIconSize(QSize(24, 24));
    // All four tabs in view: the window is sized to them.
    _ui->tabView->setUsesScrollButtons(false);
    _general = new AMPPreferencesGeneralVC(*_ui, store, configuration, actions, this);
    _notifications = new AMPPreferencesNotificationsVC(*_ui, store, configuration, this);
    _appearance = std::make_unique<AMPPreferencesAppearanceVC>(*_ui, store);
    // A child of the window, as the other pages are: it lives as long as the window.
    new AMPPreferencesAboutVC(*_ui, actions, windows, this);
    refreshEnabledControls();
    setFixedSize(sizeHint());
}

AMPPreferencesTabVC::~AMPPreferencesTabVC() = default;

bool AMPPreferencesTabVC::enabledControls() const {
    return !_actions.lastRecordReportsNoBattery();
}

void AMPPreferencesTabVC::refreshEnabledControls() {
    const bool enabled = enabledControls();
    for (QWidget* page : {_ui->AMPPreferencesGeneralVC, _ui->AMPPreferencesNotificationsVC,
                          _ui->AMPPreferencesAppearanceVC})
        page->setEnabled(enabled);
}

bool AMPPreferencesTabVC::event(QEvent* event) {
    // A battery may have come or gone since the window was last looked at.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        refreshEnabledControls();
        _general->viewWillAppear();
        _notifications->viewWillAppear();
    }
    return QWidget::event(event);
}

void AMPPreferencesTabVC::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
