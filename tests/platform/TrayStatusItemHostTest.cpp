// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/TrayStatusItemHost.h"

#include "StatusNotifierItemProxy.h"
#include "platform/linux/DBusMenuEvent.h"
#include "platform/linux/DBusMenuLayoutItem.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr const char* kItem = "org.kde.StatusNotifierItem";
constexpr const char* kMenu = "com.canonical.dbusmenu";
constexpr QRgb kRed = 0xffff0000;

std::unique_ptr<DBusMock> startWatcher() {
    return DBusMock::fromTemplate(
        DBusMock::Bus::Session, AMPRA_FIXTURES "/dbusmock/status_notifier_watcher.py",
        TrayStatusItemHost::kWatcherService, TrayStatusItemHost::kWatcherPath);
}

// Shows a red bar half as wide as the slot, as the upright battery is.
void show(TrayStatusItemHost& item, const QString& title, QList<int>* askedSizes = nullptr) {
    const auto drawBar = [askedSizes](int pixels) {
        if (askedSizes)
            *askedSizes << pixels;
        QImage image(pixels / 2, pixels, QImage::Format_ARGB32);
        image.fill(kRed);
        return image;
    };
    item.setContent(drawBar, "red bar", title, "Ampra — " + title, false);
}

// The bus name of the item registered with `watcher`, as a panel learns it; empty while none is.
QString registeredItem(const DBusMock& watcher) {
    waitFor([&] { return !watcher.methodCalls("RegisterStatusNotifierItem").isEmpty(); });
    return watcher.methodCalls("RegisterStatusNotifierItem").value(0).value(0).toString();
}

// Talks to the item over a connection of its own, as a panel would, and counts its signals.
class Panel : public QObject {
public:
    explicit Panel(const DBusMock& watcher)
        : _service(registeredItem(watcher))
        , _item(_service, TrayStatusItemHost::kItemPath, _bus) {
        connect(&_item, &StatusNotifierItemProxy::NewIcon, this, [this] { ++newIcons; });
        connect(&_item, &StatusNotifierItemProxy::XAyatanaNewLabel, this,
                [this](const QString& label, const QString&) { labels << label; });
        // The bus daemon handles a connection's messages in order: once it answers, the
        // proxy's match rules are in place and no early signal is missed.
        _bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                 "org.freedesktop.DBus", "GetId"));
    }
    ~Panel() override { QDBusConnection::disconnectFromBus("panel"); }

    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& args,
                      const QString& path = TrayStatusItemHost::kItemPath) {
        QDBusMessage message = QDBusMessage::createMethodCall(_service, path, interface, method);
        message.setArguments(args);
        // Asynchronous: the item answers from this very thread's event loop.
        QDBusPendingCallWatcher pending(_bus.asyncCall(message));
        waitFor([&] { return pending.isFinished(); });
        return pending.reply();
    }
    // Signals reach the panel on its own connection: after the item's round trip the bus daemon
    // has routed them, and after the panel's they have been handled here.
    void settle() {
        ::settle();
        ::settle(_bus);
    }
    QDBusMessage menu(const QString& method, const QVariantList& args) {
        return call(kMenu, method, args, TrayStatusItemHost::kMenuPath);
    }
    QVariant property(const QString& name) {
        const QDBusMessage reply = call("org.freedesktop.DBus.Properties", "Get", {kItem, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QVariantMap properties() {
        const QDBusMessage reply = call("org.freedesktop.DBus.Properties", "GetAll", {kItem});
        return qdbus_cast<QVariantMap>(reply.arguments().value(0));
    }

    int newIcons = 0;
    QStringList labels;

private:
    QString _service;
    QDBusConnection _bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "panel");
    StatusNotifierItemProxy _item;
};

QRgb pixelAt(const StatusNotifierPixmap& pixmap, int x, int y) {
    return qFromBigEndian<quint32>(pixmap.bytes.constData() + (y * pixmap.width + x) * 4);
}

// A host registered with a panel's watcher, and the panel.
class TrayStatusItemHostTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(watcher && !registeredItem(*watcher).isEmpty());
        panel.emplace(*watcher);
    }

    std::unique_ptr<DBusMock> watcher = startWatcher();
    TrayStatusItemHost host;
    std::optional<Panel> panel;
};

TEST_F(TrayStatusItemHostTest, PublishesItsPropertiesAndMenuAndAnswersThePanel) {
    QList<int> askedSizes;
    QList<QPoint> clicks;
    QStringList chosen;
    host.setClickHandler([&](const StatusItemClick& click, Qt::KeyboardModifiers) {
        clicks << click.screenPosition.value();
        chosen << "open";
    });
    host.setOpenHandler([&] { chosen << "menu"; });
    host.setPreferencesHandler([&] { chosen << "preferences"; });
    host.setQuitHandler([&] { chosen << "quit"; });
    show(host, "85% (2:05)", &askedSizes);
    const QVariantMap properties = panel->properties();
    const QVariantMap expected{{"Category", "Hardware"},  {"Id", "com.vantrel.Ampra"},
                               {"Title", "Ampra"},        {"Status", "Active"},
                               {"ItemIsMenu", false},     {"XAyatanaLabel", "85% (2:05)"},
                               {"WindowId", 0},           {"XAyatanaLabelGuide", "100% (10:00)"},
                               {"OverlayIconName", ""},   {"AttentionIconName", ""},
                               {"AttentionMovieName", ""}};
    for (const auto& [name, value] : expected.asKeyValueRange())
        EXPECT_EQ(properties.value(name), value) << name.toStdString();
    EXPECT_EQ(panel->property("Menu").value<QDBusObjectPath>().path(), "/StatusNotifierMenu");
    const auto tip = qdbus_cast<StatusNotifierToolTip>(panel->property("ToolTip"));
    EXPECT_EQ(tip.title + ": " + tip.text, "Ampra — 85% (2:05): 85% (2:05)");
    // Hosts that take icons only by name find the largest picture in a private folder.
    const QString folder = panel->property("IconThemePath").toString();
    EXPECT_TRUE(folder.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/"))
        << folder.toStdString();
    const QImage named(folder + "/" + panel->property("IconName").toString() + ".png");
    EXPECT_EQ(named.size(), QSize(64, 64));
    EXPECT_EQ(named.pixel(16, 0), kRed);

    // Each size is drawn, none scaled; the narrow image sits centred in a square.
    const auto pixmaps = qdbus_cast<StatusNotifierPixmapList>(panel->property("IconPixmap"));
    EXPECT_EQ(askedSizes, (QList<int>{16, 22, 24, 32, 48, 64}));
    ASSERT_EQ(pixmaps.size(), 6);
    for (const StatusNotifierPixmap& pixmap : pixmaps) {
        const int size = pixmap.width;
        ASSERT_EQ(pixmap.bytes.size(), size * pixmap.height * 4);
        EXPECT_EQ(pixmap.height, size);
        EXPECT_EQ(pixelAt(pixmap, 0, 0), 0u) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4, 0), kRed) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4 + size / 2 - 1, size - 1), kRed) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4 + size / 2, size - 1), 0u) << size;
    }
    host.setHighlighted(true);
    EXPECT_NE(pixelAt(host.pixmaps().first(), 0, 0), 0u); // the highlight fills the corners too

    EXPECT_EQ(panel->call(kItem, "Activate", {640, 12}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(clicks, QList<QPoint>{QPoint(640, 12)});
    // A host without DBusMenu asks the item to show its menu itself.
    panel->call(kItem, "ContextMenu", {600, 10});
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu && menu->actions().size() == 4);
    EXPECT_EQ(menu->actions().last()->text(), "Quit");
    menu->actions().last()->trigger();
    menu->close();
    EXPECT_EQ(chosen, (QStringList{"open", "quit"}));

    const QDBusMessage layoutReply = panel->menu("GetLayout", {0, -1, QStringList()});
    ASSERT_EQ(layoutReply.type(), QDBusMessage::ReplyMessage)
        << layoutReply.errorMessage().toStdString();
    const auto layout = qdbus_cast<DBusMenuLayoutItem>(layoutReply.arguments().value(1));
    EXPECT_EQ(layout.id, 0);
    EXPECT_EQ(layout.properties.value("children-display"), "submenu");
    QStringList items;
    for (const DBusMenuLayoutItem& item : layout.children)
        items << item.properties.value("label", item.properties.value("type")).toString();
    EXPECT_EQ(items, (QStringList{"Open Ampra", "Preferences…", "separator", "Quit"}));
    const auto event = [&](int id, const char* name) {
        const QVariant noData = QVariant::fromValue(QDBusVariant(QString()));
        return panel->menu("Event", {id, name, noData, 0u}).type();
    };
    for (const DBusMenuLayoutItem& item : layout.children)
        EXPECT_EQ(event(item.id, "clicked"), QDBusMessage::ReplyMessage);
    // Hovering chooses nothing; an item that does not exist is an error.
    event(1, "hovered");
    EXPECT_EQ(chosen, (QStringList{"open", "quit", "menu", "preferences", "quit"}));
    EXPECT_EQ(event(99, "clicked"), QDBusMessage::ErrorMessage);

    // libdbusmenu-gtk hosts (xfce4-panel, waybar) open the menu and click in groups.
    const QDBusMessage shown =
        panel->menu("AboutToShowGroup", {QVariant::fromValue(QList<int>{0, 4, 99})});
    ASSERT_EQ(shown.signature(), "aiai") << shown.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(shown.arguments().at(1)), QList<int>{99});
    const DBusMenuEventList group = {{4, "clicked", QDBusVariant(0), 0},
                                     {99, "clicked", QDBusVariant(0), 0}};
    const QDBusMessage clicked = panel->menu("EventGroup", {QVariant::fromValue(group)});
    ASSERT_EQ(clicked.signature(), "ai") << clicked.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(clicked.arguments().at(0)), QList<int>{99});
    EXPECT_EQ(chosen, (QStringList{"open", "quit", "menu", "preferences", "quit", "quit"}));
}

// Only what changed is signalled. Panels that show labels draw XAyatanaLabel beside the icon: a
// title drawn as the icon is not shown twice.
TEST_F(TrayStatusItemHostTest, SignalsAndDrawsAgainOnlyWhatChanges) {
    int drawings = 0;
    QRgb colour = 0;
    const StatusItemHost::ImageDrawer draw = [&](int pixels) {
        ++drawings;
        QImage image(pixels / 2, pixels, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    };
    const struct {
        const char* change;
        bool image;
        QByteArray drawnFrom;
        QString title;
        bool highlighted;
        bool redraws;
        QString label;
    } steps[] = {
        {"first content", true, "50", "50% (2:00)", false, true, "50% (2:00)"},
        {"nothing", true, "50", "50% (2:00)", false, false, "50% (2:00)"},
        {"the title beside the image", true, "50", "50% (1:59)", false, false, "50% (1:59)"},
        {"what the image is drawn from", true, "49", "50% (1:59)", false, true, "50% (1:59)"},
        {"the highlight", true, "49", "50% (1:59)", true, true, "50% (1:59)"},
        {"the title in place of the image", false, "", "50% (1:59)", true, true, ""},
        {"the title drawn alone", false, "", "49% (1:58)", true, true, ""},
        {"nothing, with the title alone", false, "", "49% (1:58)", true, false, ""},
    };
    QString iconName;
    for (const auto& step : steps) {
        drawings = 0;
        colour = qRgb(step.drawnFrom.toInt(), 0, 0);
        const int newIcons = panel->newIcons;
        host.setContent(step.image ? draw : nullptr, step.drawnFrom, step.title, step.title, false);
        host.setHighlighted(step.highlighted);
        panel->settle();
        EXPECT_EQ(panel->newIcons - newIcons, step.redraws ? 1 : 0) << step.change;
        // Hosts that show a published label show it even empty, in place of the icon.
        EXPECT_EQ(panel->properties().value("XAyatanaLabel"),
                  step.label.isEmpty() ? QVariant() : QVariant(step.label))
            << step.change;
        // The panel asks for the icon after the signal; a second reader gets the same pixmaps,
        // and the named icon is drawn from them: one file, renamed with each new picture.
        panel->property("IconPixmap");
        host.pixmaps();
        const QString name = panel->property("IconName").toString();
        EXPECT_EQ(drawings, step.redraws && step.image ? 6 : 0) << step.change;
        EXPECT_EQ(name != iconName, step.redraws) << step.change;
        EXPECT_EQ(QDir(host.iconFolder()).entryList(QDir::Files), QStringList{name + ".png"});
        iconName = name;
    }
    EXPECT_EQ(panel->labels, (QStringList{"50% (2:00)", "50% (1:59)", ""}));
    EXPECT_EQ(qdbus_cast<StatusNotifierToolTip>(panel->property("ToolTip")).text, "49% (1:58)");
    // The title drawn alone is white on a dark panel only.
    const auto whitePixels = [this] {
        const StatusNotifierPixmap& pixmap = host.pixmaps().last();
        int count = 0;
        for (int y = 0; y < pixmap.height; ++y)
            for (int x = 0; x < pixmap.width; ++x)
                count += pixelAt(pixmap, x, y) == 0xffffffff;
        return count;
    };
    host.setHighlighted(false);
    EXPECT_EQ(whitePixels(), 0);
    host.setContent(nullptr, {}, "49% (1:58)", {}, true);
    EXPECT_GT(whitePixels(), 0);
}

// The panel's watcher may come late, go (the panel restarts) and come back.
TEST(TrayStatusItemHostAloneTest, RunsOnWithoutTrayAndFollowsTheWatcherComingAndGoing) {
    LogCapture log("platform.tray");
    TrayStatusItemHost host;
    QList<bool> trays;
    host.setTrayHandler([&](bool shown) { trays << shown; });
    show(host, "62% (0:48)");
    ASSERT_TRUE(waitFor([&] { return log.lines().size() >= 2; }));
    settle();
    // No watcher, and the offscreen platform has no XEmbed tray either.
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines().at(0).message.rfind("No StatusNotifierWatcher", 0), 0u);
    EXPECT_EQ(log.lines().at(1).message.rfind("No system tray", 0), 0u);

    auto watcher = startWatcher();
    ASSERT_TRUE(watcher && !registeredItem(*watcher).isEmpty());
    EXPECT_EQ(Panel(*watcher).property("XAyatanaLabel"), "62% (0:48)");

    log.clear();
    watcher.reset();
    EXPECT_TRUE(waitFor([&] {
        return log.count("The StatusNotifierWatcher left: the status item goes to the XEmbed "
                         "tray") == 1;
    }));
    watcher = startWatcher();
    ASSERT_TRUE(watcher && !registeredItem(*watcher).isEmpty());
    EXPECT_TRUE(waitFor([&] { return trays.size() == 4; }));
    EXPECT_EQ(trays, (QList<bool>{false, true, false, true}));
}

} // namespace
