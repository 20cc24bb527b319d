// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>

class AMPTutorialFormattedPageVC;
class AMPTutoriaThanksPageVC;
class QPushButton;
class SettingsStore;
class WindowActions;
namespace Ui {
class AMPTutorialWindow;
}

// The tutorial window: three pages, paged with the back and forward buttons, the arrow keys or a
// horizontal swipe on the touchpad. The buttons hide while a swipe is under way.
class AMPTutorialPageController : public QWidget {
    Q_OBJECT

public:
    inline static const QString kPage1Identifier = QStringLiteral("TutorialPage1ID");
    inline static const QString kPage2Identifier = QStringLiteral("TutorialPage2ID");
    inline static const QString kPage3Identifier = QStringLiteral("TutorialPage3ID");

    AMPTutorialPageController(SettingsStore& store, WindowActions& actions,
                              QWidget* parent = nullptr);
    ~AMPTutorialPageController() override;

    int selectedIndex() const;
    void setSelectedIndex(int index);
    void navigateForward();
    void navigateBack();

    static QString pageControllerIdentifierForObject(int object);
    AMPTutorialFormattedPageVC& pageControllerViewControllerForIdentifier(const QString& id) const;
    void pageControllerWillStartLiveTransition();
    // Ends a swipe: turns the page the swipe went far enough for, shows the buttons again.
    void pageControllerDidEndLiveTransition();

    QPushButton* forwardButton() const;
    QPushButton* backButton() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void refreshButtons();
    void focusPageTitle();

    std::unique_ptr<Ui::AMPTutorialWindow> _ui;
    AMPTutorialFormattedPageVC* _page1Controller;
    AMPTutorialFormattedPageVC* _page2Controller;
    AMPTutoriaThanksPageVC* _page3Controller;
    QTimer _swipeEnd;
    int _swipeDistance = 0;
};
