#include "platform/linux/LogindPowerEvents.h"

#include "support/WaitFor.h"
#include "calibration/SystemPowerEventsListener.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string_view>
#include <unistd.h>

namespace {

struct Inhibitor {
    QString what;
    QString who;
    QString mode;
};

// What logind reports as held, asked the way any program would.
std::vector<Inhibitor> inhibitors() {
    const QDBusMessage reply = QDBusConnection::systemBus().call(
        QDBusMessage::createMethodCall(LogindPowerEvents::kService, LogindPowerEvents::kPath,
                                       LogindPowerEvents::kManager, "ListInhibitors"));
    std::vector<Inhibitor> result;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return result;
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Inhibitor inhibitor;
        QString why;
        uint uid = 0;
        uint pid = 0;
        list.beginStructure();
        list >> inhibitor.what >> inhibitor.who >> why >> inhibitor.mode >> uid >> pid;
        list.endStructure();
        result.push_back(inhibitor);
    }
    list.endArray();
    return result;
}

// The pipes this process has open. logind's lock is one: it is held until every copy of its
// write end is closed.
std::set<std::string> openPipes() {
    std::set<std::string> pipes;
    for (const QString& fd : QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System)) {
        char target[64];
        const ssize_t length =
            readlink(("/proc/self/fd/" + fd).toLocal8Bit().constData(), target, sizeof target);
        if (length > 0 && std::string_view(target, length).starts_with("pipe:"))
            pipes.emplace(target, length);
    }
    return pipes;
}

// Records the events, and the locks this process and logind saw held while each was handled.
class RecordingListener : public SystemPowerEventsListener {
public:
    void didReceiveWakeUpNotification() override { record("wake"); }
    void didReceivePowerOffNotification() override { record("powerOff"); }
    void didReceiveSleepNotification() override { record("sleep"); }

    size_t heldPipes() const {
        std::vector<std::string> held;
        std::ranges::set_difference(openPipes(), pipesBefore, std::back_inserter(held));
        return held.size();
    }

    std::set<std::string> pipesBefore = openPipes();
    QStringList events;
    std::vector<size_t> pipesWhileHandling;
    std::vector<size_t> inhibitorsWhileHandling;

private:
    void record(const QString& event) {
        events << event;
        pipesWhileHandling.push_back(heldPipes());
        inhibitorsWhileHandling.push_back(inhibitors().size());
    }
};

class LogindPowerEventsTest : public testing::Test {
protected:
    void emitManagerSignal(const char* name, bool start) {
        logind->emitSignal(LogindPowerEvents::kManager, name, "b", {start});
    }
    bool waitForInhibitors(size_t count) {
        return waitFor([&] { return inhibitors().size() == count; });
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
    ASSERT_TRUE(waitForInhibitors(1));
    const Inhibitor held = inhibitors().front();
    EXPECT_EQ(held.what, "sleep:shutdown");
    EXPECT_EQ(held.who, "Ampra");
    EXPECT_EQ(held.mode, "delay");
    settle(QDBusConnection::systemBus());
    EXPECT_EQ(listener.heldPipes(), 1u);

    emitManagerSignal("PrepareForSleep", true);
    ASSERT_TRUE(waitFor([&] { return listener.events == QStringList{"sleep"}; }));
    EXPECT_EQ(listener.pipesWhileHandling.back(), 1u);
    EXPECT_EQ(listener.inhibitorsWhileHandling.back(), 1u);
    EXPECT_EQ(listener.heldPipes(), 0u); // closed as soon as the listener returned
    EXPECT_TRUE(waitForInhibitors(0));

    emitManagerSignal("PrepareForSleep", false);
    ASSERT_TRUE(waitFor([&] { return listener.events.size() == 2; }));
    EXPECT_EQ(listener.events.back(), "wake");
    EXPECT_TRUE(waitForInhibitors(1));

    emitManagerSignal("PrepareForShutdown", true);
    ASSERT_TRUE(waitFor([&] { return listener.events.size() == 3; }));
    EXPECT_EQ(listener.events.back(), "powerOff");
    EXPECT_EQ(listener.pipesWhileHandling.back(), 1u);
    EXPECT_EQ(listener.inhibitorsWhileHandling.back(), 1u);
    EXPECT_EQ(listener.heldPipes(), 0u);
    EXPECT_TRUE(waitForInhibitors(0));

    // A cancelled shutdown takes the lock again, and tells the listener nothing.
    emitManagerSignal("PrepareForShutdown", false);
    EXPECT_TRUE(waitForInhibitors(1));
    EXPECT_EQ(listener.events.size(), 3);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(LogindPowerEventsTest, AfterUnsubscribingNoEventsAndNoLock) {
    ASSERT_TRUE(logind);
    LogindPowerEvents events;
    events.subscribe(listener);
    events.subscribe(listener);
    ASSERT_TRUE(waitForInhibitors(1));
    settle(QDBusConnection::systemBus());
    EXPECT_EQ(inhibitors().size(), 1u); // subscribing twice takes one lock

    events.unsubscribe(listener);
    EXPECT_TRUE(waitForInhibitors(0));
    emitManagerSignal("PrepareForSleep", true);
    emitManagerSignal("PrepareForSleep", false);
    settle(QDBusConnection::systemBus());
    EXPECT_TRUE(listener.events.isEmpty());
    EXPECT_TRUE(inhibitors().empty());
}

TEST_F(LogindPowerEventsTest, WithoutLogindOrSystemBusWarnsOnce) {
    logind.reset();
    {
        LogindPowerEvents events;
        events.subscribe(listener);
        ASSERT_TRUE(waitFor([&] { return !log.lines().empty(); }));
        events.unsubscribe(listener);
        events.subscribe(listener);
        settle(QDBusConnection::systemBus());
        EXPECT_EQ(log.lines().size(), 1u);
        EXPECT_EQ(log.lines().front().level, log4cplus::WARN_LOG_LEVEL);
    }
    log.clear();
    {
        LogindPowerEvents events(QDBusConnection::connectToBus("unix:path=/nonexistent", "none"));
        events.subscribe(listener);
        events.unsubscribe(listener);
        events.subscribe(listener);
        EXPECT_EQ(log.lines().size(), 1u);
    }
    QDBusConnection::disconnectFromBus("none");
    EXPECT_TRUE(listener.events.isEmpty());
}

} // namespace
