// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "SoftwareUpdater.h"
#include "persistence/VersionSupport.h"

#include <QObject>
#include <memory>

// Checks the update feed weekly and on request. Without a feed address there is no updater and
// the menu item does nothing.
class WebVersionSupport : public QObject, public VersionSupport {
    Q_OBJECT

public:
    static constexpr double kUpdateCheckInterval = 604800;

    // The feed is the build's AMPRA_APPCAST_URL, which the environment variable of that name
    // replaces; an address that is not http or https is refused with a log line.
    static QUrl feedURL();

    // With an updater exactly when the build or the environment names a feed.
    static std::unique_ptr<WebVersionSupport> create(SettingsStore& settings,
                                                     const DateProvider& dateProvider,
                                                     UserNotificationCenter& notificationCenter);

    explicit WebVersionSupport(std::unique_ptr<SoftwareUpdater> updater, QObject* parent = nullptr);

    bool isWebVersion() const override { return true; }
    QAction* checkForUpdateMenuItem(QObject* parent) override;
    void checkForUpdate() override;

    SoftwareUpdater* updater() const { return _updater.get(); }

private:
    std::unique_ptr<SoftwareUpdater> _updater;
};
