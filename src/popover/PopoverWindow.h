// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QPainterPath>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>

// The popover around one view. Beside a status item it is a frameless popup with an arrow towards
// the item, placed again whenever its size changes; where the window system places windows
// itself, or nobody knows where the item is, it is a small window of its own. Either closes on
// Escape and when it loses the focus, the popup also on a click outside it.
class PopoverWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kArrowHeight = 10;
    static constexpr int kArrowWidth = 20;
    static constexpr int kCornerRadius = 6;

    // The item on the screen and the part of that screen the popup may cover, and whether a
    // transparent window has to cover the screen for the popup to see a click outside it.
    struct Anchor {
        QRect item;
        QRect available;
        bool coverScreen = false;
    };

    // Takes `content`; a popup when anchored.
    explicit PopoverWindow(QWidget* content, std::optional<Anchor> anchor = std::nullopt);

    // The largest size the content may take.
    QSize room() const;
    // Shows it, or brings it to the front when it is shown.
    void present();

Q_SIGNALS:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createCover();
    void placeBesideItem();
    void setArrow(bool up, int x);
    void updateShape();
    void closeUnlessFocusCameBack();
    QPainterPath outline() const;

    std::optional<Anchor> _anchor;
    bool _arrowUp = true;
    int _arrowX = 0;
    bool _wasActive = false;
    std::unique_ptr<QWidget> _cover;
};
