// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "TrayStatusItemHost.h"

#include "StatusNotifierItem.h"
#include "StatusNotifierMenu.h"
#include "StatusNotifierToolTip.h"
#include "TrayIconImage.h"
#include "X11PopupPlacement.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QCursor>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("platform.tray");
}

constexpr std::chrono::seconds kTrayLookoutInterval(10);

// Bus names must differ between items of one process.
int nextInstance() {
    static int count = 0;
    return ++count;
}

} // namespace

TrayStatusItemHost::TrayStatusItemHost(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , _bus(std::move(bus))
    , _serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(nextInstance()))
    , _item(new StatusNotifierItem(*this, _bus))
    , _menu(std::make_unique<QMenu>())
    , _menuExport(new StatusNotifierMenu(*_menu, this))
    , _iconFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                  QStringLiteral("/ampra-icons-XXXXXX")) {
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmapList>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
    buildMenu();
    _trayLookout.setInterval(kTrayLookoutInterval);
    connect(&_trayLookout, &QTimer::timeout, this,
            [this] { setTrayShown(QSystemTrayIcon::isSystemTrayAvailable()); });

    if (!_bus.isConnected()) {
        LOG4CPLUS_WARN(logger(), "No session bus: the status item goes to the XEmbed tray");
        showFallback();
        return;
    }
    _published = _bus.registerVirtualObject(QString::fromLatin1(kItemPath), _item) &&
                 _bus.registerObject(QString::fromLatin1(kMenuPath), _menuExport,
                                     QDBusConnection::ExportAdaptors) &&
                 _bus.registerService(_serviceName);
    if (!_published) {
        LOG4CPLUS_WARN(logger(), "Cannot publish the status item as "
                                     << _serviceName.toStdString() << ": "
                                     << _bus.lastError().message().toStdString());
        showFallback();
        return;
    }
    // A panel started after Ampra (at login, or restarted) brings its watcher later.
    auto* watcher = new QDBusServiceWatcher(QString::fromLatin1(kWatcherService), _bus,
                                            QDBusServiceWatcher::WatchForRegistration |
                                                QDBusServiceWatcher::WatchForUnregistration,
                                            this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &TrayStatusItemHost::registerWithWatcher);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        LOG4CPLUS_INFO(logger(), "The StatusNotifierWatcher left: the status item goes to the "
                                 "XEmbed tray");
        showFallback();
    });
    registerWithWatcher();
}

TrayStatusItemHost::~TrayStatusItemHost() {
    if (_published) {
        _bus.unregisterService(_serviceName);
        _bus.unregisterObject(QString::fromLatin1(kMenuPath));
        _bus.unregisterObject(QString::fromLatin1(kItemPath));
    }
}

// Updates arrive every minute and mostly change nothing: the icon is drawn again only when what
// it is drawn from changes, and then only once a panel asks for it.
void TrayStatusItemHost::setContent(const ImageDrawer& drawImage, const QByteArray& drawnFrom,
                                    const QString& title, const QString& toolTip, bool isTemplate) {
    const QByteArray iconSource = drawImage ? "image " + drawnFrom : "title " + title.toUtf8();
    const bool changedIcon = iconSource != _iconSource || isTemplate != _isTemplate;
    const bool changedTitle = title != _title || toolTip != _toolTip;
    const QString oldLabel = label();
    _drawImage = drawImage;
    _iconSource = iconSource;
    _title = title;
    _toolTip = toolTip;
    _isTemplate = isTemplate;
    if (changedIcon)
        iconChanged();
    if (label() != oldLabel)
        _item->emitSignal(QStringLiteral("XAyatanaNewLabel"),
                          {label(), QString::fromLatin1(kLabelGuide)});
    if (changedTitle) {
        _item->emitSignal(QStringLiteral("NewToolTip"));
        updateFallbackToolTip();
    }
}

// A title drawn into the icon is not shown a second time beside it.
QString TrayStatusItemHost::label() const {
    return _drawImage ? _title : QString();
}

void TrayStatusItemHost::setHighlighted(bool highlighted) {
    if (highlighted == _highlighted)
        return;
    _highlighted = highlighted;
    iconChanged();
}

QString TrayStatusItemHost::toolTip() const {
    return _toolTip.isEmpty() ? QStringLiteral("Ampra") : _toolTip;
}

const StatusNotifierPixmapList& TrayStatusItemHost::pixmaps() const {
    if (!_pixmaps) {
        _pixmaps.emplace();
        for (const QImage& image : images())
            *_pixmaps << StatusNotifierPixmap::fromImage(image);
    }
    return *_pixmaps;
}

QString TrayStatusItemHost::iconName() const {
    if (!_iconName)
        _iconName = writeIconFile();
    return *_iconName;
}

// The largest picture: hosts scale a named icon to their size.
QString TrayStatusItemHost::writeIconFile() const {
    if (images().isEmpty() || !_iconFolder.isValid())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    images().last().save(&buffer, "PNG");
    QString name = QStringLiteral("ampra-") +
                   QString::fromLatin1(
                       QCryptographicHash::hash(png, QCryptographicHash::Sha1).toHex().left(16));
    const QString path = _iconFolder.filePath(name + QStringLiteral(".png"));
    if (path == _iconFile)
        return name;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        LOG4CPLUS_WARN(logger(), "Cannot write the tray icon to "
                                     << path.toStdString() << ": "
                                     << file.errorString().toStdString());
        return {};
    }
    if (!_iconFile.isEmpty())
        QFile::remove(_iconFile);
    _iconFile = path;
    return name;
}

void TrayStatusItemHost::setClickHandler(ClickHandler handler) {
    _clickHandler = std::move(handler);
}

void TrayStatusItemHost::setQuitHandler(QuitHandler handler) {
    _quitHandler = std::move(handler);
}

void TrayStatusItemHost::setPreferencesHandler(PreferencesHandler handler) {
    _preferencesHandler = std::move(handler);
}

void TrayStatusItemHost::setOpenHandler(OpenHandler handler) {
    _openHandler = std::move(handler);
}

void TrayStatusItemHost::setTrayHandler(TrayHandler handler) {
    _trayHandler = std::move(handler);
    if (_trayHandler && _trayShown)
        _trayHandler(*_trayShown);
}

// The panel shows this menu over DBusMenu; the XEmbed tray pops it up itself.
void TrayStatusItemHost::buildMenu() {
    //: Item of the tray icon's menu that opens Ampra's window, as a click on the icon does
    connect(_menu->addAction(tr("Open Ampra")), &QAction::triggered, this, [this] {
        if (_openHandler)
            _openHandler();
    });
    //: Item of the tray icon's menu that opens the preferences window
    connect(_menu->addAction(tr("Preferences…")), &QAction::triggered, this, [this] {
        if (_preferencesHandler)
            _preferencesHandler();
    });
    _menu->addSeparator();
    //: Item of the tray icon's menu that ends Ampra
    connect(_menu->addAction(tr("Quit")), &QAction::triggered, this, [this] {
        if (_quitHandler)
            _quitHandler();
    });
}

void TrayStatusItemHost::activate(const StatusItemClick& click) {
    if (_clickHandler)
        _clickHandler(click, QGuiApplication::queryKeyboardModifiers());
}

// Some panels report places that cannot be the item's; only on X11 is the pointer's place known.
// Xwayland sees the pointer only over its own windows: over a Wayland panel it tells where the
// pointer last was.
void TrayStatusItemHost::activateAt(const QPoint& reported) {
    std::optional<QPoint> place = reported;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->geometry();
        place = X11PopupPlacement::anchor(
            reported,
            X11PopupPlacement::onXwayland() ? std::nullopt : std::optional(QCursor::pos()),
            screens);
    }
    activate({place, QRect()});
}

void TrayStatusItemHost::showContextMenu(const QPoint& screenPosition) {
    _menu->popup(screenPosition);
}

void TrayStatusItemHost::registerWithWatcher() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kWatcherService), QString::fromLatin1(kWatcherPath),
        QString::fromLatin1(kWatcherService), QStringLiteral("RegisterStatusNotifierItem"));
    call << _serviceName;
    auto* pending = new QDBusPendingCallWatcher(_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<> reply = *finished;
                if (reply.isError()) {
                    watcherFailed(reply.error());
                    return;
                }
                LOG4CPLUS_INFO(logger(), "Status item registered with the StatusNotifierWatcher as "
                                             << _serviceName.toStdString());
                _fallback.reset();
                setTrayShown(true);
            });
}

void TrayStatusItemHost::watcherFailed(const QDBusError& error) {
    LOG4CPLUS_INFO(logger(), "No StatusNotifierWatcher (" << error.message().toStdString()
                                                          << "): the status item goes to the "
                                                             "XEmbed tray");
    showFallback();
}

void TrayStatusItemHost::showFallback() {
    if (_fallback)
        return;
    _fallback = std::make_unique<QSystemTrayIcon>();
    _fallback->setContextMenu(_menu.get());
    connect(_fallback.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason != QSystemTrayIcon::Trigger)
                    return;
                // The XEmbed tray knows where the icon is; otherwise the pointer is there.
                const QRect geometry = _fallback->geometry();
                activate(geometry.isValid() ? StatusItemClick{geometry.center(), geometry}
                                            : StatusItemClick{QCursor::pos(), QRect()});
            });
    updateFallbackIcon();
    updateFallbackToolTip();
    setTrayShown(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayStatusItemHost::setTrayShown(bool shown) {
    if (_trayShown == shown)
        return;
    _trayShown = shown;
    if (shown) {
        _trayLookout.stop();
    } else {
        _trayLookout.start();
        if (!std::exchange(_noTrayLogged, true))
            // Notifications travel on the session bus too.
            LOG4CPLUS_WARN(logger(), "No system tray: Ampra runs on without a status item until "
                                     "a tray appears; "
                                         << (_bus.isConnected()
                                                 ? "notifications still work"
                                                 : "no session bus, so no notifications either"));
    }
    if (_trayHandler)
        _trayHandler(shown);
}

void TrayStatusItemHost::iconChanged() {
    _images.reset();
    _pixmaps.reset();
    _iconName.reset();
    _item->emitSignal(QStringLiteral("NewIcon"));
    updateFallbackIcon();
}

const QList<QImage>& TrayStatusItemHost::images() const {
    if (!_images) {
        _images.emplace();
        if (_drawImage || !_title.isEmpty())
            for (int pixels : kIconSizes)
                *_images << TrayIconImage::render(_drawImage, _title, _isTemplate, _highlighted,
                                                  pixels);
    }
    return *_images;
}

void TrayStatusItemHost::updateFallbackIcon() {
    if (!_fallback)
        return;
    QIcon icon;
    for (const QImage& image : images())
        icon.addPixmap(QPixmap::fromImage(image));
    // The nearest thing to a template image: a themed tray may tint a mask.
    icon.setIsMask(_isTemplate);
    _fallback->setIcon(icon);
    if (!icon.isNull())
        _fallback->show();
}

void TrayStatusItemHost::updateFallbackToolTip() {
    if (_fallback)
        _fallback->setToolTip(toolTip());
}
