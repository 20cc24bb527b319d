// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QAbstractButton>
#include <QIcon>

// The round button that opens and closes a block of a view: one image normally and while pressed,
// another while the pointer is over it.
class ExpandCollapseButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ExpandCollapseButton(QWidget* parent = nullptr);

    // Images by their resource names, such as "ExpandIcon" and "ExpandIconHover".
    void setImages(const QString& image, const QString& imageHover);
    // "ExpandIcon" while the block is closed, "CollapseIcon" while it is open.
    void setImagesForOpenBlock(bool open);
    bool isOpen() const { return _open; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setHovered(bool hovered);

    QIcon _originalBackgroundImage;
    QIcon _hoverBackgroundImage;
    bool _hovered = false;
    bool _open = false;
};
