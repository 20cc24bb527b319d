// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "DBusMenuEvent.h"
#include "DBusMenuItem.h"
#include "DBusMenuLayoutItem.h"

#include <QDBusContext>
#include <QObject>

class QAction;
class QMenu;

// The item's menu over com.canonical.dbusmenu, which is how panels show an item's menu: the
// adaptor generated from the interface's XML hands the panel's calls here. The menu's actions are
// items 1, 2, ... under the root item 0; a "clicked" event triggers the action.
class StatusNotifierMenu : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)

public:
    // `menu` is not owned and must outlive this object.
    StatusNotifierMenu(const QMenu& menu, QObject* parent);

    uint Version() const;
    QString TextDirection() const;
    QString Status() const;

    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

private:
    QAction* action(int id) const;
    bool exists(int id) const;
    QVariantMap properties(int id, const QStringList& names) const;
    bool handleEvent(int id, const QString& eventId);
    void rejectUnknown(int id);

    const QMenu& _menu;
};
