// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StatusNotifierPixmap.h"
#include "statusbar/StatusItemHost.h"

#include <QDBusConnection>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>

class QDBusError;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;
class StatusNotifierMenu;

// The status item on a Linux desktop: Ampra's own StatusNotifierItem on the session bus,
// registered with the panel's StatusNotifierWatcher, and registered again whenever a watcher
// appears. While no watcher answers, a QSystemTrayIcon (XEmbed) stands in; with no tray at all
// the application runs on without an item.
class TrayStatusItemHost : public QObject, public StatusItemHost {
    Q_OBJECT

public:
    static constexpr const char* kWatcherService = "org.kde.StatusNotifierWatcher";
    static constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
    static constexpr const char* kItemPath = "/StatusNotifierItem";
    static constexpr const char* kMenuPath = "/StatusNotifierMenu";
    // Panels that show the label reserve the width of this text.
    static constexpr const char* kLabelGuide = "100% (10:00)";
    // Sizes the panels ask for, from 16-pixel panels to 64-pixel HiDPI ones.
    static constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64};

    explicit TrayStatusItemHost(QDBusConnection bus = QDBusConnection::sessionBus(),
                                QObject* parent = nullptr);
    ~TrayStatusItemHost() override;

    void setContent(const ImageDrawer& drawImage, const QByteArray& drawnFrom, const QString& title,
                    const QString& toolTip, bool isTemplate) override;
    void setHighlighted(bool highlighted) override;
    void setClickHandler(ClickHandler handler) override;
    void setQuitHandler(QuitHandler handler) override;
    void setPreferencesHandler(PreferencesHandler handler) override;
    void setOpenHandler(OpenHandler handler) override;
    void setTrayHandler(TrayHandler handler) override;

    QString title() const { return _title; }
    QString toolTip() const;
    // The text panels that show labels put beside the icon.
    QString label() const;
    // Drawn when first asked for after a change.
    const StatusNotifierPixmapList& pixmaps() const;
    // For hosts that take icons only by name: the picture as a PNG file in the icon folder, named
    // after its content, since hosts keep icons by name. Written when first asked for after a
    // change, and the previous file removed.
    QString iconName() const;
    QString iconFolder() const { return _iconFolder.path(); }

    // Calls from the panel, through the D-Bus adaptor or the stand-in tray icon.
    void activate(const StatusItemClick& click);
    // A click the panel reports by its place alone.
    void activateAt(const QPoint& reported);
    void showContextMenu(const QPoint& screenPosition);

private:
    void buildMenu();
    void registerWithWatcher();
    void watcherFailed(const QDBusError& error);
    void showFallback();
    void setTrayShown(bool shown);
    void iconChanged();
    const QList<QImage>& images() const;
    QString writeIconFile() const;
    void updateFallbackIcon();
    void updateFallbackToolTip();

    QDBusConnection _bus;
    QString _serviceName;
    bool _published = false;
    StatusNotifierItem* _item;
    std::unique_ptr<QMenu> _menu;
    StatusNotifierMenu* _menuExport;
    std::unique_ptr<QSystemTrayIcon> _fallback;
    bool _noTrayLogged = false;
    std::optional<bool> _trayShown;
    // An XEmbed tray announces itself to no one: while there is none, it is looked for now and
    // then.
    QTimer _trayLookout;

    ImageDrawer _drawImage;
    // What the icon is drawn from: the drawer's source, or the title drawn in its place.
    QByteArray _iconSource;
    QString _title;
    QString _toolTip;
    bool _isTemplate = false;
    bool _highlighted = false;
    mutable std::optional<QList<QImage>> _images;
    mutable std::optional<StatusNotifierPixmapList> _pixmaps;
    QTemporaryDir _iconFolder;
    mutable std::optional<QString> _iconName;
    mutable QString _iconFile;
    ClickHandler _clickHandler;
    QuitHandler _quitHandler;
    PreferencesHandler _preferencesHandler;
    OpenHandler _openHandler;
    TrayHandler _trayHandler;
};
