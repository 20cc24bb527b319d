// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "QuitSignalHandler.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

} // namespace

QuitSignalHandler::QuitSignalHandler(QObject* parent) : QObject(parent) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    _notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(_notifier, &QSocketNotifier::activated, this, [] {
        char signalNumber = 0;
        if (read(signalPipe[1], &signalNumber, 1) == 1)
            QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

QuitSignalHandler::~QuitSignalHandler() {
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    delete _notifier;
    for (int& end : signalPipe) {
        if (end >= 0)
            close(end);
        end = -1;
    }
}

void QuitSignalHandler::handleSignal(int signal) {
    const int savedErrno = errno;
    const char signalNumber = char(signal);
    [[maybe_unused]] const auto written = write(signalPipe[0], &signalNumber, 1);
    errno = savedErrno;
}
