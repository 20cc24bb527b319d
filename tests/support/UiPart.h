// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The widget or layout of a view that its .ui file names `name`, found as any Qt tool finds it,
// so that tests and tools need neither the generated form classes nor an accessor in the view's
// header. Never null: a name the form no longer has stops the program with that name.
template <class Part> Part* uiPart(const QObject& view, const QString& name) {
    Part* part = view.findChild<Part*>(name);
    if (!part)
        qFatal("No %s named %s", Part::staticMetaObject.className(), qPrintable(name));
    return part;
}
