// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPTutorialPageController.h"

#include "AMPTutoriaThanksPageVC.h"
#include "AMPTutorialFormattedPageVC.h"
#include "WindowIcon.h"
#include "popover/AccessibleViews.h"
#include "stylekit/Palette.h"
#include "ui_AMPTutorialWindow.h"

#include <QKeyEvent>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPageCount = 3;
// One notch of a wheel; a swipe shorter than that turns no page.
constexpr int kSwipePageDistance = 120;
// A swipe has ended when the touchpad has been quiet this long.
constexpr int kSwipeQuietMilliseconds = 150;

} // namespace

AMPTutorialPageController::AMPTutorialPageController(SettingsStore& store, WindowActions& actions,
                                                     QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::AMPTutorialWindow>()) {
    WindowIcon::registerImages();
    _ui->setupUi(this);
    //: Title of the tutorial window
    setWindowTitle(tr("Welcome to Ampra"));
    setWindowIcon(WindowIcon::icon());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, AmpraStyleKit::ringHoveredBackgroundColor());
    setPalette(palette);
    _ui->page1ImageLabel->setPixmap(WindowIcon::icon().pixmap(96, 96));
    _ui->page2ImageLabel->setPixmap(QIcon(u":/windows/TutorialCalibration.svg"_s).pixmap(96, 96));
    _ui->page3ImageLabel->setPixmap(QIcon(u":/windows/TutorialDone.svg"_s).pixmap(96, 96));
    //: What the first tutorial page's picture shows, for screen readers
    _ui->page1ImageLabel->setAccessibleName(tr("Ampra's icon"));
    //: What the second tutorial page's picture shows, for screen readers
    _ui->page2ImageLabel->setAccessibleName(tr("A battery inside a circling arrow"));
    //: What the last tutorial page's picture shows, for screen readers
    _ui->page3ImageLabel->setAccessibleName(tr("A check mark in a green circle"));
    AccessibleViews::clickButtonsOnEnter(*this);
    _page1Controller = new AMPTutorialFormattedPageVC(*_ui->TutorialPage1ID, store, actions, this);
    _page2Controller = new AMPTutorialFormattedPageVC(*_ui->TutorialPage2ID, store, actions, this);
    _page3Controller = new AMPTutoriaThanksPageVC(*_ui->TutorialPage3ID, store, actions, this);
    connect(forwardButton(), &QPushButton::clicked, this,
            &AMPTutorialPageController::navigateForward);
    connect(backButton(), &QPushButton::clicked, this, &AMPTutorialPageController::navigateBack);
    // The page number stays in the middle while a button is hidden.
    for (QPushButton* button : {forwardButton(), backButton()}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    _swipeEnd.setSingleShot(true);
    _swipeEnd.setInterval(kSwipeQuietMilliseconds);
    connect(&_swipeEnd, &QTimer::timeout, this,
            &AMPTutorialPageController::pageControllerDidEndLiveTransition);
    setSelectedIndex(0);
    setFixedSize(sizeHint().expandedTo(QSize(460, 440)));
}

AMPTutorialPageController::~AMPTutorialPageController() = default;

QPushButton* AMPTutorialPageController::forwardButton() const {
    return _ui->forwardButton;
}

QPushButton* AMPTutorialPageController::backButton() const {
    return _ui->backButton;
}

int AMPTutorialPageController::selectedIndex() const {
    return _ui->pageView->currentIndex();
}

void AMPTutorialPageController::setSelectedIndex(int index) {
    const int page = std::clamp(index, 0, kPageCount - 1);
    _ui->pageView->setCurrentWidget(
        &pageControllerViewControllerForIdentifier(pageControllerIdentifierForObject(page)).view());
    refreshButtons();
}

void AMPTutorialPageController::navigateForward() {
    setSelectedIndex(selectedIndex() + 1);
    focusPageTitle();
}

void AMPTutorialPageController::navigateBack() {
    setSelectedIndex(selectedIndex() - 1);
    focusPageTitle();
}

// A screen reader says the new page when its title takes the focus.
void AMPTutorialPageController::focusPageTitle() {
    const auto labels = _ui->pageView->currentWidget()->findChildren<QLabel*>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        if (label->property("tag").toInt() != 0) {
            label->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QString AMPTutorialPageController::pageControllerIdentifierForObject(int object) {
    return QString::number(object);
}

AMPTutorialFormattedPageVC&
AMPTutorialPageController::pageControllerViewControllerForIdentifier(const QString& id) const {
    // Text that is no number means the first page, as 0 does.
    switch (id.toInt()) {
    case 2:
        return *_page3Controller;
    case 1:
        return *_page2Controller;
    default:
        return *_page1Controller;
    }
}

void AMPTutorialPageController::pageControllerWillStartLiveTransition() {
    forwardButton()->hide();
    backButton()->hide();
}

void AMPTutorialPageController::pageControllerDidEndLiveTransition() {
    _swipeEnd.stop();
    // Fingers moving left bring the next page, as on a printed page.
    const int turn = _swipeDistance <= -kSwipePageDistance  ? 1
                     : _swipeDistance >= kSwipePageDistance ? -1
                                                            : 0;
    _swipeDistance = 0;
    setSelectedIndex(selectedIndex() + turn);
}

void AMPTutorialPageController::refreshButtons() {
    backButton()->setVisible(selectedIndex() != 0);
    forwardButton()->setVisible(selectedIndex() != kPageCount - 1);
    _ui->pageIndicatorLabel->setText(
        //: Where the reader is in the tutorial, as in "2 of 3"
        tr("%L1 of %L2").arg(selectedIndex() + 1).arg(kPageCount));
}

void AMPTutorialPageController::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        navigateForward();
        break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        navigateBack();
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AMPTutorialPageController::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (std::abs(delta.x()) <= std::abs(delta.y())) {
        QWidget::wheelEvent(event);
        return;
    }
    if (!_swipeEnd.isActive())
        pageControllerWillStartLiveTransition();
    _swipeDistance += delta.x();
    _swipeEnd.start();
    event->accept();
}
