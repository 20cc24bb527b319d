// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/LogindPowerEvents.h"

#include "calibration/SystemPowerEventsListener.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"
#include "support/WaitFor.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// logind's lock is a pipe, held until every copy of its write end is closed.
QSet<QString> openPipes() {
    QSet<QString> pipes;
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System))
        if (fd.symLinkTarget().contains("pipe:["))
            pipes << fd.symLinkTarget();
    return pipes;
}

// Records the events, with the locks this process held while sleep and power-off were handled.
struct RecordingListener : SystemPowerEventsListener {
    void didReceiveWakeUpNotification() override { events << "wake"; }
    void didReceivePowerOffNotification() override { events << "powerOff " + heldLocks(); }
    void didReceiveSleepNotification() override { events << "sleep " + heldLocks(); }
    QString heldLocks() const { return QString::number(openPipes().subtract(pipesBefore).size()); }

    QSet<QString> pipesBefore = openPipes();
    QStringList events;
};

class LogindPowerEventsTest : public testing::Test {
protected:
    void emitManagerSignal(const char* name, bool start) {
        logind->emitSignal(LogindPowerEvents::kManager, name, "b", {start});
    }
    bool waitForLocks(const char* count) {
        return waitFor([&] { return listener.heldLocks() == count; });
    }

    std::unique_ptr<DBusMock> logind = DBusMock::fromTemplate(
        DBusMock::Bus::System, "logind", LogindPowerEvents::kService, LogindPowerEvents::kPath);
    RecordingListener listener;
    LogCapture log{"platform.logind"};
};

TEST_F(LogindPowerEventsTest, HoldsTheDelayLockUntilTheListenerHasHandledSleepAndPowerOff) {
    ASSERT_TRUE(logind);
    LogindPowerEvents events;
    events.subscribe(listener);
    events.subscribe(listener);
    ASSERT_TRUE(waitForLocks("1"));
    settle(QDBusConnection::systemBus());
    EXPECT_EQ(logind->methodCalls("Inhibit"), // one lock for two calls
              (QList<QVariantList>{
                  {"sleep:shutdown", "Ampra", "Saving the battery calibration state", "delay"}}));
    EXPECT_EQ(listener.heldLocks(), "1");

    for (const char* signal : {"PrepareForSleep", "PrepareForShutdown"}) {
        emitManagerSignal(signal, true);
        ASSERT_TRUE(waitFor([&] { return listener.events.size() % 2 == 1; }));
        EXPECT_EQ(listener.heldLocks(), "0"); // closed as soon as the listener returned
        // Awake again, or the shutdown was cancelled: the next one must wait for us again.
        emitManagerSignal(signal, false);
        EXPECT_TRUE(waitForLocks("1"));
    }
    EXPECT_EQ(listener.events, (QStringList{"sleep 1", "wake", "powerOff 1"}));
    EXPECT_TRUE(log.lines().empty());

    events.unsubscribe(listener);
    EXPECT_TRUE(waitForLocks("0"));
    emitManagerSignal("PrepareForSleep", true);
    settle(QDBusConnection::systemBus());
    EXPECT_EQ(listener.events.size(), 3);
}

TEST_F(LogindPowerEventsTest, WithoutLogindOrSystemBusWarnsOnce) {
    logind.reset();
    LogindPowerEvents events;
    LogindPowerEvents noBus(QDBusConnection::connectToBus("unix:path=/nonexistent", "none"));
    for (LogindPowerEvents* each : {&events, &noBus}) {
        each->subscribe(listener);
        each->unsubscribe(listener);
        each->subscribe(listener);
    }
    ASSERT_TRUE(waitFor([&] { return log.lines().size() >= 2; }));
    settle(QDBusConnection::systemBus());
    EXPECT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines().front().level, log4cplus::WARN_LOG_LEVEL);
    QDBusConnection::disconnectFromBus("none");
}

} // namespace
