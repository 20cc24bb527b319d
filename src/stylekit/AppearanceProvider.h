// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>
#include <QString>

// The desktop's appearance name: "Light", or another name for a dark panel. Views draw with it
// and redraw when it changes.
class AppearanceProvider : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QString interfaceStyle() const = 0;

Q_SIGNALS:
    void interfaceStyleChanged();
};
