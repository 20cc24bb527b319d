#include "platform/linux/TrayStatusItemHost.h"

#include "support/WaitFor.h"
#include "platform/linux/StatusNotifierToolTip.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"

#include <QAction>
#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMenu>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr QRgb kRed = 0xffff0000;

std::unique_ptr<DBusMock> startWatcher() {
    return DBusMock::fromTemplate(
        DBusMock::Bus::Session, AMPRA_FIXTURES "/dbusmock/status_notifier_watcher.py",
        TrayStatusItemHost::kWatcherService, TrayStatusItemHost::kWatcherPath);
}

// Counts the item's D-Bus signals as a panel sees them.
class PanelListener : public QObject {
    Q_OBJECT
public:
    int newIcons = 0;
    QStringList labels;
public slots:
    void newIcon() { ++newIcons; }
    void newLabel(const QString& label, const QString&) { labels << label; }
};

// Talks to the item over its own connection, as a panel would: the bus carries every call.
class Panel {
public:
    explicit Panel(QString service)
        : _service(std::move(service))
        , _bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "panel")) {
        _bus.connect(_service, TrayStatusItemHost::kItemPath, kItemInterface, "NewIcon", &listener,
                     SLOT(newIcon()));
        _bus.connect(_service, TrayStatusItemHost::kItemPath, kItemInterface, "XAyatanaNewLabel",
                     &listener, SLOT(newLabel(QString, QString)));
    }
    ~Panel() { QDBusConnection::disconnectFromBus("panel"); }

    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            _service, TrayStatusItemHost::kItemPath, interface, method);
        message.setArguments(arguments);
        // Asynchronous: the item answers from this very thread's event loop.
        QDBusPendingCallWatcher pending(_bus.asyncCall(message));
        waitFor([&] { return pending.isFinished(); });
        return pending.reply();
    }
    QVariant property(const QString& name) {
        const QDBusMessage reply =
            call("org.freedesktop.DBus.Properties", "Get", {kItemInterface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    template <typename T> T structured(const QString& name) {
        return qdbus_cast<T>(property(name).value<QDBusArgument>());
    }

    PanelListener listener;

private:
    QString _service;
    QDBusConnection _bus;
};

// A narrow red bar, half as wide as the slot, as the upright battery is.
StatusItemHost::ImageDrawer redBar(QList<int>& askedSizes) {
    return [&askedSizes](int pixels) {
        askedSizes << pixels;
        QImage image(pixels / 2, pixels, QImage::Format_ARGB32);
        image.fill(kRed);
        return image;
    };
}

QRgb pixelAt(const StatusNotifierPixmap& pixmap, int x, int y) {
    quint32 value;
    memcpy(&value, pixmap.bytes.constData() + (y * pixmap.width + x) * 4, 4);
    return qFromBigEndian(value);
}

class TrayStatusItemHostTest : public testing::Test {
protected:
    void SetUp() override {
        watcher = startWatcher();
        ASSERT_TRUE(watcher);
        host = std::make_unique<TrayStatusItemHost>();
    }
    // Shows the red bar with `title` once the item is registered with the watcher.
    bool publish(const QString& title) {
        host->setContent(redBar(askedSizes), title, false);
        return waitFor([&] {
            const auto calls = watcher->methodCalls("RegisterStatusNotifierItem");
            return !calls.isEmpty() && calls.last() == QVariantList{host->serviceName()};
        });
    }

    std::unique_ptr<DBusMock> watcher;
    std::unique_ptr<TrayStatusItemHost> host;
    QList<int> askedSizes;
};

TEST_F(TrayStatusItemHostTest, RegistersWithTheWatcherAndPublishesItsProperties) {
    ASSERT_TRUE(publish("85% (2:05)"));
    Panel panel(host->serviceName());
    EXPECT_EQ(panel.property("Category").toString(), "Hardware");
    EXPECT_EQ(panel.property("Id").toString(), "com.vantrel.Ampra");
    EXPECT_EQ(panel.property("Title").toString(), "Ampra");
    EXPECT_EQ(panel.property("Status").toString(), "Active");
    EXPECT_FALSE(panel.property("ItemIsMenu").toBool());
    EXPECT_EQ(panel.property("Menu").value<QDBusObjectPath>().path(), "/NO_DBUSMENU");
    EXPECT_EQ(panel.property("XAyatanaLabel").toString(), "85% (2:05)");
    EXPECT_EQ(panel.property("XAyatanaLabelGuide").toString(), "100% (10:00)");
    const auto toolTip = panel.structured<StatusNotifierToolTip>("ToolTip");
    EXPECT_EQ(toolTip.title, "Ampra");
    EXPECT_EQ(toolTip.text, "85% (2:05)");

    // Each size is drawn, none scaled; the narrow image sits centred in a square.
    const auto pixmaps = panel.structured<StatusNotifierPixmapList>("IconPixmap");
    EXPECT_EQ(askedSizes, (QList<int>{16, 22, 24, 32, 48, 64}));
    ASSERT_EQ(pixmaps.size(), 6);
    for (const StatusNotifierPixmap& pixmap : pixmaps) {
        ASSERT_EQ(pixmap.width, pixmap.height);
        ASSERT_EQ(pixmap.bytes.size(), pixmap.width * pixmap.height * 4);
        const int size = pixmap.width;
        EXPECT_EQ(pixelAt(pixmap, 0, 0), 0u) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4, 0), kRed) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4 + size / 2 - 1, size - 1), kRed) << size;
        EXPECT_EQ(pixelAt(pixmap, size / 4 + size / 2, size - 1), 0u) << size;
    }
    // Network byte order: alpha first.
    EXPECT_EQ(pixmaps.first().bytes.mid(4 * 4, 4), QByteArray("\xff\xff\x00\x00", 4));
}

TEST_F(TrayStatusItemHostTest, TellsThePanelOnlyWhatChanged) {
    ASSERT_TRUE(publish("85% (2:05)"));
    Panel panel(host->serviceName());
    settle();

    host->setContent(redBar(askedSizes), "84% (2:01)", false);
    host->setContent(redBar(askedSizes), "84% (2:01)", false);
    host->setHighlighted(true);
    ASSERT_TRUE(waitFor([&] { return panel.listener.newIcons >= 1; }));
    settle();
    EXPECT_EQ(panel.listener.labels, QStringList{"84% (2:01)"});
    EXPECT_EQ(panel.listener.newIcons, 1);
    // The highlight lies behind the image, in the corners too.
    EXPECT_NE(pixelAt(host->pixmaps().first(), 0, 0), 0u);

    // Without an image the title itself is the picture.
    host->setContent({}, "A", false);
    ASSERT_EQ(host->pixmaps().size(), 6);
    host->setHighlighted(false);
    int painted = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 22; ++x)
            painted += qAlpha(pixelAt(host->pixmaps().at(1), x, y)) != 0;
    EXPECT_GT(painted, 10);
}

TEST_F(TrayStatusItemHostTest, ReportsClicksWithTheirPositionAndOffersQuit) {
    QList<QPoint> clicks;
    int quits = 0;
    host->setClickHandler(
        [&](const QPoint& position, Qt::KeyboardModifiers) { clicks << position; });
    host->setQuitHandler([&] { ++quits; });
    ASSERT_TRUE(publish("85% (2:05)"));
    Panel panel(host->serviceName());

    EXPECT_EQ(panel.call(kItemInterface, "Activate", {640, 12}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(clicks, QList<QPoint>{QPoint(640, 12)});

    panel.call(kItemInterface, "ContextMenu", {600, 10});
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), "Quit");
    menu->actions().first()->trigger();
    menu->close();
    EXPECT_EQ(quits, 1);
}

TEST(TrayStatusItemHostFallbackTest, WithoutTrayRunsOnAndRegistersWhenAWatcherAppears) {
    LogCapture log("platform.tray");
    TrayStatusItemHost host;
    QList<int> askedSizes;
    host.setContent(redBar(askedSizes), "62% (0:48)", false);
    ASSERT_TRUE(waitFor([&] { return log.lines().size() >= 2; }));
    settle();
    // No watcher, and the offscreen platform has no XEmbed tray either.
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines().at(0).message.rfind("No StatusNotifierWatcher", 0), 0u);
    EXPECT_EQ(log.lines().at(1).message.rfind("No system tray", 0), 0u);

    auto watcher = startWatcher();
    ASSERT_TRUE(watcher);
    ASSERT_TRUE(waitFor([&] {
        return watcher->methodCalls("RegisterStatusNotifierItem") ==
               QList<QVariantList>{{host.serviceName()}};
    }));
    Panel panel(host.serviceName());
    EXPECT_EQ(panel.property("XAyatanaLabel").toString(), "62% (0:48)");
}

} // namespace

#include "TrayStatusItemHostTest.moc"
