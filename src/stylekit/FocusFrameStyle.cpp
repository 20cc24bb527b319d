// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "FocusFrameStyle.h"

#include "FocusIndicator.h"

#include <QPainter>
#include <QStyleOption>

namespace {

bool showsFocus(const QStyleOption& option) {
    return option.state.testFlag(QStyle::State_HasFocus) &&
           option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

} // namespace

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        AmpraStyleKit::drawFocusIndicator(*painter, option->rect, 2);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A table's or list's frame.
    if (element == PE_Frame && showsFocus(*option))
        AmpraStyleKit::drawFocusIndicator(*painter, option->rect, 2);
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if ((element == CE_PushButton || element == CE_ShapedFrame || element == CE_TabBarTabLabel) &&
        showsFocus(*option))
        AmpraStyleKit::drawFocusIndicator(*painter, option->rect, 3);
}

void FocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar && showsFocus(*option))
        AmpraStyleKit::drawFocusIndicator(*painter, option->rect, 3);
}
