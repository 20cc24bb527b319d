// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QScrollArea>

// The summary's detail area: as large as its view wants, up to the room the popover has on the
// screen, and scrolling beyond it.
class DetailScrollArea : public QScrollArea {
    Q_OBJECT

public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
