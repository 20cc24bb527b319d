// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusNotifierPixmap.h"
#include "StatusNotifierToolTip.h"

#include <QDBusObjectPath>
#include <QObject>

class TrayStatusItemHost;

// The tray host's D-Bus object: the StatusNotifierItem adaptor generated from the interface's XML
// reads these properties and hands the calls on; properties come from the host, calls go to it.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(StatusNotifierPixmapList IconPixmap READ IconPixmap)
    Q_PROPERTY(StatusNotifierToolTip ToolTip READ ToolTip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)
    Q_PROPERTY(QString XAyatanaLabel READ XAyatanaLabel)
    Q_PROPERTY(QString XAyatanaLabelGuide READ XAyatanaLabelGuide)

public:
    explicit StatusNotifierItem(TrayStatusItemHost* host);

    QString Category() const;
    QString Id() const;
    QString Title() const;
    QString Status() const;
    StatusNotifierPixmapList IconPixmap() const;
    StatusNotifierToolTip ToolTip() const;
    bool ItemIsMenu() const;
    QDBusObjectPath Menu() const;
    QString XAyatanaLabel() const;
    QString XAyatanaLabelGuide() const;

public Q_SLOTS:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

Q_SIGNALS:
    void NewIcon();
    void NewToolTip();
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    TrayStatusItemHost* _host;
};
