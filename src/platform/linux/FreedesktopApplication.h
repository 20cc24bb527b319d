// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class ApplicationActions;

// Ampra as a D-Bus activatable desktop application: it owns its application id on the session
// bus and answers org.freedesktop.Application there, so that a launcher (or Ampra started a
// second time) reaches the running instance instead of starting another.
class FreedesktopApplication : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kService = "com.vantrel.Ampra";
    static constexpr const char* kPath = "/com/vantrel/Ampra";
    static constexpr const char* kInterface = "org.freedesktop.Application";

    explicit FreedesktopApplication(ApplicationActions& actions,
                                    QDBusConnection bus = QDBusConnection::sessionBus());
    ~FreedesktopApplication() override;

    // Asks the instance that runs to show its summary, or to run `action` when one is given;
    // false when none answers.
    static bool activateRunningInstance(const QString& action,
                                        QDBusConnection bus = QDBusConnection::sessionBus());

public Q_SLOTS:
    // Called through the generated adaptor.
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& actionName, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    ApplicationActions& _actions;
    QDBusConnection _bus;
    bool _published = false;
};
