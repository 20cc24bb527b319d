// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "persistence/AmpraConfiguration.h"
#include "persistence/AmpraPreferences.h"
#include "persistence/SettingsStore.h"
#include "stylekit/Palette.h"
#include "support/PaintedAt.h"
#include "support/RecordingWindowActions.h"
#include "windows/AMPTutoriaThanksPageVC.h"
#include "windows/AMPTutorialPageController.h"
#include "windows/WindowsController.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TutorialWindowTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    RecordingWindowActions actions;
    WindowsController windows{store, configuration, actions};

    AMPTutorialPageController& open() {
        windows.showTutorialWindow();
        return *windows.tutorialWindow();
    }
};

// Which buttons a page shows: the back button hides on the first page, forward on the last.
void expectButtons(const AMPTutorialPageController& tutorial, bool back, bool forward) {
    EXPECT_EQ(!tutorial.backButton()->isHidden(), back) << tutorial.selectedIndex();
    EXPECT_EQ(!tutorial.forwardButton()->isHidden(), forward) << tutorial.selectedIndex();
}

TEST_F(TutorialWindowTest, ButtonsByPage) {
    AMPTutorialPageController& tutorial = open();
    struct Row {
        int page;
        bool back, forward;
    };
    const Row rows[] = {{0, false, true}, {1, true, true}, {2, true, false}};
    for (const Row& row : rows) {
        ASSERT_EQ(tutorial.selectedIndex(), row.page);
        expectButtons(tutorial, row.back, row.forward);
        tutorial.forwardButton()->click();
    }
    tutorial.backButton()->click();
    EXPECT_EQ(tutorial.selectedIndex(), 1);
    QTest::keyClick(&tutorial, Qt::Key_Left);
    QTest::keyClick(&tutorial, Qt::Key_Left); // no page before the first
    EXPECT_EQ(tutorial.selectedIndex(), 0);
}

TEST_F(TutorialWindowTest, PagesByIdentifier) {
    AMPTutorialPageController& tutorial = open();
    struct Row {
        QString identifier;
        int page;
    };
    for (const Row& row :
         {Row{u"0"_s, 0}, Row{u"1"_s, 1}, Row{u"2"_s, 2}, Row{u"x"_s, 0}, Row{u"7"_s, 0}}) {
        QWidget& view = tutorial.pageControllerViewControllerForIdentifier(row.identifier).view();
        EXPECT_EQ(view.objectName(), QStringList({AMPTutorialPageController::kPage1Identifier,
                                                  AMPTutorialPageController::kPage2Identifier,
                                                  AMPTutorialPageController::kPage3Identifier})
                                         .at(row.page))
            << row.identifier.toStdString();
    }
    EXPECT_EQ(AMPTutorialPageController::pageControllerIdentifierForObject(2), u"2"_s);
}

TEST_F(TutorialWindowTest, ButtonsHideDuringASwipe) {
    AMPTutorialPageController& tutorial = open();
    struct Row {
        int distance; // fingers to the left are negative
        int page;
    };
    for (const Row& row : {Row{-60, 0}, Row{-240, 1}, Row{-240, 2}, Row{200, 1}}) {
        QWheelEvent swipe(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(row.distance, 0),
                          Qt::NoButton, Qt::NoModifier, Qt::ScrollUpdate, false);
        QCoreApplication::sendEvent(&tutorial, &swipe);
        expectButtons(tutorial, false, false);
        tutorial.pageControllerDidEndLiveTransition();
        EXPECT_EQ(tutorial.selectedIndex(), row.page) << row.distance;
        expectButtons(tutorial, row.page != 0, row.page != 2);
    }
}

TEST_F(TutorialWindowTest, TheLastButtonOpensThePopoverAndClosesTheTutorial) {
    AMPTutorialPageController* first = &open();
    EXPECT_EQ(&open(), first); // a second request shows the same window
    first->setSelectedIndex(2);
    first->findChild<QPushButton*>(u"startUsingAmpraButton"_s)->click();
    EXPECT_EQ(actions.popOverToggles, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.tutorialWindow(), nullptr);
    EXPECT_EQ(open().selectedIndex(), 0); // the next one starts at the beginning
}

TEST_F(TutorialWindowTest, StartAtLoginBoxWorksAsInThePreferences) {
    auto* box = open().findChild<QCheckBox*>(u"startAtLoginCheckBox"_s);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(store.boolForKey(AmpraPreferences::kStartAtLogin));
    EXPECT_EQ(actions.loginItem, QList<bool>{true});
}

// Every page paints on a screen of two pixels per point, on the tutorial's own background.
TEST_F(TutorialWindowTest, PagesPaintAtTwoPixelsPerPoint) {
    AMPTutorialPageController& tutorial = open();
    for (int page = 0; page < 3; ++page) {
        tutorial.setSelectedIndex(page);
        EXPECT_EQ(paintedAt(tutorial, 2).pixelColor(4, 4).rgb(),
                  AmpraStyleKit::ringHoveredBackgroundColor().rgb())
            << page;
    }
}

} // namespace
