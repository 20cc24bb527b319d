// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PopoverWindow.h"

#include "AccessibleViews.h"
#include "PopoverFrame.h"
#include "stylekit/AmpraStyleKit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A window's frame and the desktop's panels take the rest of the screen.
constexpr double kWindowShareOfScreen = 0.9;

} // namespace

PopoverWindow::PopoverWindow(QWidget* content, std::optional<Anchor> anchor)
    : QWidget(nullptr, anchor ? Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint
                              : Qt::Window)
    , _anchor(anchor) {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setFocusProxy(content);
    if (_anchor) {
        setAttribute(Qt::WA_TranslucentBackground);
        // The press that closes the popover is not replayed: on the tray icon it would open it
        // again.
        setAttribute(Qt::WA_NoMouseReplay);
        setArrow(true, 0);
        //: The popover's window name for screen readers: the application's name
        setWindowTitle(tr("Ampra"));
        if (_anchor->coverScreen)
            createCover();
    } else {
        setWindowTitle(QGuiApplication::applicationDisplayName());
    }
    // A popup the window system gives no grab (GNOME Shell's) sees no click elsewhere: leaving
    // the application is the sign.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    _wasActive = isVisible();
                else if (_wasActive)
                    closeUnlessFocusCameBack();
            });
    AccessibleViews::clickButtonsOnEnter(*this);
}

// Where the grab misses clicks outside the application's windows (Xwayland), a click on the
// desktop, a panel or another window lands on this transparent window beneath the popup instead,
// and closes the popup as any click outside it does. It leaves out the screen's last row: mutter
// takes an override-redirect window the size of the screen for a full-screen one and hides its
// top bar.
void PopoverWindow::createCover() {
    const QScreen* screen = QGuiApplication::screenAt(_anchor->item.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    _cover = std::make_unique<QWidget>(
        nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                     Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    _cover->setAttribute(Qt::WA_TranslucentBackground);
    _cover->setAttribute(Qt::WA_ShowWithoutActivating);
    _cover->setGeometry(screen->geometry().adjusted(0, 0, 0, -1));
}

QSize PopoverWindow::room() const {
    if (_anchor)
        return PopoverFrame::room(_anchor->item, _anchor->available) - QSize(0, kArrowHeight);
    const QScreen* screen = this->screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize available = screen->availableSize();
    return QSize(available.width(), int(available.height() * kWindowShareOfScreen));
}

void PopoverWindow::present() {
    adjustSize();
    if (_anchor)
        placeBesideItem();
    if (_cover)
        _cover->show();
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    _wasActive = _wasActive || QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void PopoverWindow::placeBesideItem() {
    const PopoverFrame frame = PopoverFrame::place(_anchor->item, _anchor->available, size());
    setArrow(frame.arrowUp, frame.arrowX);
    move(frame.frame.topLeft());
}

void PopoverWindow::setArrow(bool up, int x) {
    _arrowUp = up;
    const int edge = kCornerRadius + kArrowWidth / 2;
    _arrowX = qBound(edge, x, qMax(edge, width() - edge));
    layout()->setContentsMargins(0, up ? kArrowHeight : 0, 0, up ? 0 : kArrowHeight);
    updateShape();
}

// Without a compositor the transparent corners would show black: the mask cuts them away.
void PopoverWindow::updateShape() {
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QPainterPath PopoverWindow::outline() const {
    QPainterPath path;
    if (!_anchor) {
        path.addRect(rect());
        return path;
    }
    const QRectF body =
        QRectF(rect()).adjusted(0, _arrowUp ? kArrowHeight : 0, 0, _arrowUp ? 0 : -kArrowHeight);
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    const qreal base = _arrowUp ? body.top() + 1 : body.bottom() - 1;
    const qreal tip = _arrowUp ? 0 : height();
    QPainterPath arrow;
    arrow.moveTo(_arrowX - kArrowWidth / 2.0, base);
    arrow.lineTo(_arrowX, tip);
    arrow.lineTo(_arrowX + kArrowWidth / 2.0, base);
    arrow.closeSubpath();
    return path.united(arrow);
}

void PopoverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline(), AmpraStyleKit::popOverBackgroundColor());
}

// A view opening or closing changes the size: the popup goes back beside its item, on the screen.
void PopoverWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (_anchor)
        placeBesideItem();
}

void PopoverWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (_cover)
        _cover->hide();
    Q_EMIT closed();
}

// A popup closes on Escape by itself; the window does the same.
void PopoverWindow::keyPressEvent(QKeyEvent* event) {
    if (!_anchor && event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PopoverWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        _wasActive = true;
    else if (_wasActive)
        closeUnlessFocusCameBack();
}

// The settings menu or a dialog of its own takes the focus for a moment; only focus that went
// elsewhere closes it. A visible popup always counts as active: for it only the application's
// state tells.
void PopoverWindow::closeUnlessFocusCameBack() {
    QTimer::singleShot(0, this, [this] {
        const QWidget* popup = QApplication::activePopupWidget();
        const bool focusLeft =
            QGuiApplication::applicationState() != Qt::ApplicationActive || !isActiveWindow();
        if (isVisible() && focusLeft && (!popup || popup == this) &&
            !QApplication::activeModalWidget())
            close();
    });
}
