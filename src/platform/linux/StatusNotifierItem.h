// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QVariant>

class TrayStatusItemHost;

// The tray host's StatusNotifierItem object on the bus: properties come from the host, calls go to
// it. It answers the bus itself, not through an adaptor, whose properties are always all there:
// some hosts show a published label in place of the icon, even an empty one, so an empty label is
// left out.
class StatusNotifierItem : public QDBusVirtualObject {
public:
    static constexpr const char* kInterface = "org.kde.StatusNotifierItem";

    StatusNotifierItem(TrayStatusItemHost& host, const QDBusConnection& bus);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    // Sends one of the interface's signals: NewIcon, NewToolTip, XAyatanaNewLabel.
    void emitSignal(const QString& name, const QVariantList& arguments = {}) const;

private:
    // None for an unknown property or an empty label.
    QVariant propertyValue(const QString& name) const;
    QDBusMessage answerProperties(const QDBusMessage& message) const;
    bool call(const QDBusMessage& message);

    TrayStatusItemHost& _host;
    QDBusConnection _bus;
};
