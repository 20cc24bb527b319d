// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "shell/InstanceGuard.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AppManager;
class PlatformServices;

// The first object to run: refuses a second instance, sets up logging, creates the
// application manager and starts calibration control; at quit stops it and drops the manager.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    // The platform is created only once this instance knows it is the only one: its tray item
    // and bus names must not flash up for a second copy.
    using PlatformFactory = std::function<std::unique_ptr<PlatformServices>()>;

    explicit AppDelegate(PlatformFactory platformFactory);
    ~AppDelegate() override;

    // False when another instance runs: this one must end without touching anything.
    bool applicationDidFinishLaunching();
    void applicationWillTerminate();
    bool applicationAlreadyRunning();
    void setupLogSystem();
    QString applicationDocumentsDirectory();

    AppManager* applicationManager() const { return _applicationManager.get(); }

private:
    PlatformFactory _platformFactory;
    std::unique_ptr<PlatformServices> _platform;
    InstanceGuard _instanceGuard;
    QString _applicationDocumentsDirectory;
    std::unique_ptr<AppManager> _applicationManager;
};
