// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "UpdateAlert.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

struct AppcastItem;
class DateProvider;
class QNetworkAccessManager;
class QNetworkReply;
class SettingsStore;
class TimerProvider;
class UserNotificationCenter;

// Learns from an update feed whether a newer release is out. Automatic checks run when the last
// check, kept in the settings store across restarts, is an interval old; they tell the user of a
// new version once, by a notification. A check the user asks for answers in a dialog. Nothing is
// installed here: the download page or the package manager does that.
class SoftwareUpdater : public QObject {
    Q_OBJECT

public:
    inline static const QString kLastCheckTimeKey = QStringLiteral("LastUpdateCheckTime");
    inline static const QString kLastNotifiedVersionKey =
        QStringLiteral("LastNotifiedUpdateVersion");
    // How often a running application asks whether a check is due; wall-clock time, so that a
    // machine that slept through the due time checks when it wakes.
    static constexpr double kDuePollPeriod = 3600;
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr qint64 kMaxFeedSize = 1024 * 1024;
    static constexpr qint64 kReadBufferSize = 64 * 1024;

    using UrlOpener = std::function<void(const QUrl&)>;

    SoftwareUpdater(QUrl feedURL, QString currentVersion, SettingsStore& settings,
                    const DateProvider& dateProvider, std::unique_ptr<TimerProvider> timer,
                    UserNotificationCenter& notificationCenter, QObject* parent = nullptr);
    ~SoftwareUpdater() override;

    void setAutomaticallyChecksForUpdates(bool automaticallyChecks);
    void setUpdateCheckInterval(double seconds);
    // Checks now and answers in a dialog; joins a check already running.
    void checkForUpdates();
    void checkForUpdatesInBackground();

    // Bounds each request from start to end.
    void setTimeout(int milliseconds) { _timeoutMs = milliseconds; }
    // Opens the download page; the desktop's browser unless replaced.
    void setUrlOpener(UrlOpener opener) { _openUrl = std::move(opener); }

Q_SIGNALS:
    // A check has ended, whatever its outcome.
    void updateCycleFinished();

private:
    // When no check is due, the time the next one will be.
    std::optional<QDateTime> checkIfDue();
    void startCheck();
    void requestFinished();
    // Takes what has arrived of the feed; false once it is past the limit.
    bool takeArrivedFeed(QNetworkReply& reply);
    void didFindValidUpdate(const AppcastItem& item);
    void didNotFindUpdate();
    void failed(const QString& reason);
    void endCycle();

    QUrl _feedURL;
    QString _currentVersion;
    SettingsStore& _settings;
    const DateProvider& _dateProvider;
    std::unique_ptr<TimerProvider> _timer;
    UserNotificationCenter& _notificationCenter;
    QNetworkAccessManager* _network;
    UpdateAlert _alert;
    UrlOpener _openUrl;
    bool _automaticallyChecks = false;
    double _updateCheckInterval = 0;
    int _timeoutMs = kDefaultTimeoutMs;
    QPointer<QNetworkReply> _reply;
    QByteArray _feed;
    bool _userInitiated = false;
    QString _abortReason;
};
