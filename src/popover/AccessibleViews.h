// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

class QWidget;

// What screen readers and keyboard users get beyond Qt's own: the roles and states a plain widget
// cannot tell (the step strip as a tab list, the help buttons' open state, the windows), the
// instruction pages and help blocks read as one text, and Enter clicking buttons as Space does.
class AccessibleViews {
public:
    // Installs the interfaces, once; a view calls it before its widgets are first asked for.
    static void install();
    // Enter and Return click the button that has the focus in `window`.
    static void clickButtonsOnEnter(QWidget& window);
};
