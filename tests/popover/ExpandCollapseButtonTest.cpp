// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "popover/ExpandCollapseButton.h"

#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QColor centrePixel(ExpandCollapseButton& button) {
    const QImage image = button.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2 + 1);
}

} // namespace

TEST(ExpandCollapseButtonTest, ShowsTheHoverImageWhileThePointerIsInsideAndTakesKeys) {
    ExpandCollapseButton button;
    button.resize(button.sizeHint());
    button.show();
    EXPECT_EQ(button.shownImage(), u"ExpandIcon"_s);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.shownImage(), u"ExpandIconHover"_s);
    // Pressed under the pointer still shows the hover image; the click goes through.
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    button.setImagesForOpenBlock(true);
    EXPECT_EQ(button.shownImage(), u"CollapseIconHover"_s);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.shownImage(), u"CollapseIcon"_s);

    // It takes the keyboard too.
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
}

TEST(ExpandCollapseButtonTest, DrawsEachImageFromItsResource) {
    ExpandCollapseButton button;
    button.resize(button.sizeHint());
    // The closed icon's chevron points down, the open one's up: the two differ below the centre.
    const std::pair<const char*, const char*> pairs[] = {{"ExpandIcon", "ExpandIconHover"},
                                                         {"CollapseIcon", "CollapseIconHover"}};
    QList<QColor> drawn;
    for (const auto& [image, hover] : pairs) {
        button.setImages(QLatin1StringView(image), QLatin1StringView(hover));
        drawn << centrePixel(button);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &enter);
        drawn << centrePixel(button);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
    }
    for (const QColor& colour : drawn)
        EXPECT_NE(colour.alpha(), 0) << "an image did not load";
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[0], drawn[2]);
}
