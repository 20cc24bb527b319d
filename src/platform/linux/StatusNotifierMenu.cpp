// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusNotifierMenu.h"

#include "DBusMenuAdaptor.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

using namespace Qt::StringLiterals;

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.tray");
}

// The items never change, so the layout keeps its first revision.
constexpr uint kRevision = 1;
constexpr uint kProtocolVersion = 3;

} // namespace

StatusNotifierMenu::StatusNotifierMenu(const QMenu& menu, QObject* parent)
    : QObject(parent)
    , _menu(menu) {
    new DBusMenuAdaptor(this);
}

uint StatusNotifierMenu::Version() const {
    return kProtocolVersion;
}

QString StatusNotifierMenu::TextDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? u"rtl"_s : u"ltr"_s;
}

QString StatusNotifierMenu::Status() const {
    return u"normal"_s;
}

uint StatusNotifierMenu::GetLayout(int parentId, int recursionDepth,
                                   const QStringList& propertyNames, DBusMenuLayoutItem& layout) {
    if (!exists(parentId)) {
        rejectUnknown(parentId);
        return kRevision;
    }
    layout = {parentId, properties(parentId, propertyNames), {}};
    if (parentId == 0 && recursionDepth != 0)
        for (int id = 1; id <= _menu.actions().size(); ++id)
            layout.children << DBusMenuLayoutItem{id, properties(id, propertyNames), {}};
    return kRevision;
}

DBusMenuItemList StatusNotifierMenu::GetGroupProperties(const QList<int>& ids,
                                                        const QStringList& propertyNames) {
    DBusMenuItemList items;
    for (int id : ids)
        if (exists(id))
            items << DBusMenuItem{id, properties(id, propertyNames)};
    return items;
}

QDBusVariant StatusNotifierMenu::GetProperty(int id, const QString& name) {
    if (!exists(id))
        rejectUnknown(id);
    return QDBusVariant(properties(id, {name}).value(name));
}

void StatusNotifierMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (!handleEvent(id, eventId))
        rejectUnknown(id);
}

QList<int> StatusNotifierMenu::EventGroup(const DBusMenuEventList& events) {
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events)
        if (!handleEvent(event.id, event.eventId))
            idErrors << event.id;
    return idErrors;
}

// The items are known before the menu opens: nothing to update.
bool StatusNotifierMenu::AboutToShow(int id) {
    if (!exists(id))
        rejectUnknown(id);
    return false;
}

QList<int> StatusNotifierMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    for (int id : ids)
        if (!exists(id))
            idErrors << id;
    return {};
}

QAction* StatusNotifierMenu::action(int id) const {
    return id >= 1 && id <= _menu.actions().size() ? _menu.actions().at(id - 1) : nullptr;
}

bool StatusNotifierMenu::exists(int id) const {
    return id == 0 || action(id);
}

// Only what differs from the protocol's defaults is sent.
QVariantMap StatusNotifierMenu::properties(int id, const QStringList& names) const {
    QVariantMap all;
    if (const QAction* item = action(id)) {
        if (item->isSeparator()) {
            all.insert(u"type"_s, u"separator"_s);
        } else {
            // The protocol marks access keys with an underscore, Qt with an ampersand.
            QString label = item->text();
            label.replace(u'_', u"__"_s).replace(u'&', u'_');
            all.insert(u"label"_s, label);
        }
        if (!item->isEnabled())
            all.insert(u"enabled"_s, false);
        if (!item->isVisible())
            all.insert(u"visible"_s, false);
    } else {
        all.insert(u"children-display"_s, u"submenu"_s);
    }
    if (names.isEmpty())
        return all;
    QVariantMap asked;
    for (const QString& name : names)
        if (all.contains(name))
            asked.insert(name, all.value(name));
    return asked;
}

bool StatusNotifierMenu::handleEvent(int id, const QString& eventId) {
    if (!exists(id))
        return false;
    QAction* item = action(id);
    if (item && eventId == u"clicked"_s && item->isEnabled()) {
        LOG4CPLUS_DEBUG(logger(),
                        "Menu item " << item->text().toStdString() << " chosen in the panel");
        item->trigger();
    }
    return true;
}

void StatusNotifierMenu::rejectUnknown(int id) {
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, u"No menu item %1"_s.arg(id));
}
