// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (logout, kill, Ctrl-C) into an orderly quit of the event loop,
// through a pipe, since almost nothing may be done inside a signal handler.
class QuitSignalHandler : public QObject {
    Q_OBJECT

public:
    explicit QuitSignalHandler(QObject* parent = nullptr);
    ~QuitSignalHandler() override;

private:
    static void handleSignal(int signal);

    QSocketNotifier* _notifier = nullptr;
};
