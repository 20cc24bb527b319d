// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "SoftwareUpdater.h"

#include "Appcast.h"
#include "AppcastItem.h"
#include "UserNotificationCenter.h"
#include "VersionComparator.h"
#include "calibration/DateProvider.h"
#include "calibration/TimerProvider.h"
#include "persistence/SettingsStore.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace {

log4cplus::Logger logger() {
    return log4cplus::Logger::getInstance("shell.updater");
}

// Control characters as \uNNNN: a value from the feed must not break or forge a log line.
std::string escaped(const QString& text) {
    QString result;
    for (const QChar character : text) {
        if (character.category() == QChar::Other_Control)
            result += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += character;
    }
    return result.toStdString();
}

QString feedTooLarge() {
    return QStringLiteral("the feed is larger than %1 bytes").arg(SoftwareUpdater::kMaxFeedSize);
}

} // namespace

SoftwareUpdater::SoftwareUpdater(QUrl feedURL, QString currentVersion, SettingsStore& settings,
                                 const DateProvider& dateProvider,
                                 std::unique_ptr<TimerProvider> timer,
                                 UserNotificationCenter& notificationCenter, QObject* parent)
    : QObject(parent)
    , _feedURL(std::move(feedURL))
    , _currentVersion(std::move(currentVersion))
    , _settings(settings)
    , _dateProvider(dateProvider)
    , _timer(std::move(timer))
    , _notificationCenter(notificationCenter)
    , _network(new QNetworkAccessManager(this))
    , _openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

SoftwareUpdater::~SoftwareUpdater() {
    _timer->stopTimer();
}

void SoftwareUpdater::setAutomaticallyChecksForUpdates(bool automaticallyChecks) {
    _automaticallyChecks = automaticallyChecks;
    if (!automaticallyChecks) {
        _timer->stopTimer();
        return;
    }
    if (_timer->isTimerOn())
        return;
    _timer->startTimerForObject([this] { checkIfDue(); }, kDuePollPeriod);
    // Start-up goes on first; the request itself never blocks.
    QTimer::singleShot(0, this, [this] {
        if (const std::optional<QDateTime> next = checkIfDue())
            LOG4CPLUS_INFO(logger(),
                           "Next update check after " << next->toString(Qt::ISODate).toStdString());
    });
}

void SoftwareUpdater::setUpdateCheckInterval(double seconds) {
    _updateCheckInterval = seconds;
}

std::optional<QDateTime> SoftwareUpdater::checkIfDue() {
    if (!_automaticallyChecks)
        return std::nullopt;
    const QDateTime last = _settings.objectForKey(kLastCheckTimeKey).toDateTime();
    const QDateTime now = _dateProvider.now();
    // A last check in the future means the clock was set back: check rather than wait for it.
    if (last.isValid() && last <= now && last.secsTo(now) < _updateCheckInterval)
        return last.addSecs(qint64(_updateCheckInterval));
    checkForUpdatesInBackground();
    return std::nullopt;
}

void SoftwareUpdater::checkForUpdates() {
    _userInitiated = true;
    if (!_reply)
        startCheck();
}

void SoftwareUpdater::checkForUpdatesInBackground() {
    if (_reply)
        return;
    _userInitiated = false;
    startCheck();
}

void SoftwareUpdater::startCheck() {
    QNetworkRequest request(_feedURL);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Ampra/%1").arg(_currentVersion));
    // Redirects only to web addresses; anything else fails at once rather than at the timeout.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    _abortReason.clear();
    _feed.clear();
    _reply = _network->get(request);
    QNetworkReply* reply = _reply;
    const auto abort = [this, reply](const QString& reason) {
        _abortReason = reason;
        reply->abort();
    };
    QTimer::singleShot(_timeoutMs, reply, [this, abort] {
        abort(QStringLiteral("no answer within %1 ms").arg(_timeoutMs));
    });
    const auto refused = [abort](const QUrl& target) {
        if (AppcastItem::isWebAddress(target))
            return false;
        abort(QStringLiteral("redirected to ") + target.toString());
        return true;
    };
    connect(reply, &QNetworkReply::redirected, reply, [reply, refused](const QUrl& url) {
        if (!refused(url))
            Q_EMIT reply->redirectAllowed();
    });
    // Qt turns to a redirect only once its body has ended, which a hostile server never lets
    // happen: the target is judged as soon as the head arrives.
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refused] {
        const QByteArray location = reply->rawHeader("Location");
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() / 100 == 3 &&
            !location.isEmpty())
            refused(reply->url().resolved(QUrl::fromEncoded(location)));
    });
    // The reply buffers little and the feed is taken as it arrives, so that its size is checked
    // on every piece: an endless body must not fill the memory.
    reply->setReadBufferSize(kReadBufferSize);
    connect(reply, &QNetworkReply::readyRead, reply, [this, reply, abort] {
        if (!takeArrivedFeed(*reply))
            abort(feedTooLarge());
    });
    connect(reply, &QNetworkReply::finished, this, &SoftwareUpdater::requestFinished);
    LOG4CPLUS_INFO(logger(), "Checking for updates at " << escaped(_feedURL.toString()));
}

void SoftwareUpdater::requestFinished() {
    // Recorded before the answer is acted on: a feed that brought Ampra down must not be fetched
    // again at every start.
    _settings.setObject(_dateProvider.now(), kLastCheckTimeKey);
    QNetworkReply* reply = std::exchange(_reply, nullptr);
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        failed(_abortReason.isEmpty() ? reply->errorString() : _abortReason);
        return;
    }
    if (!takeArrivedFeed(*reply)) {
        failed(feedTooLarge());
        return;
    }
    Appcast appcast;
    QString error;
    if (!appcast.parse(std::exchange(_feed, {}), error)) {
        failed(QStringLiteral("the feed is not readable: ") + error);
        return;
    }
    const std::optional<AppcastItem> newest = appcast.newestItem();
    if (newest && VersionComparator::compareVersions(newest->versionString, _currentVersion) > 0)
        didFindValidUpdate(*newest);
    else
        didNotFindUpdate();
}

bool SoftwareUpdater::takeArrivedFeed(QNetworkReply& reply) {
    _feed += reply.read(kMaxFeedSize + 1 - _feed.size());
    return _feed.size() <= kMaxFeedSize;
}

void SoftwareUpdater::didFindValidUpdate(const AppcastItem& item) {
    LOG4CPLUS_INFO(logger(), "Ampra " << escaped(item.displayVersionString) << " is out");
    const QUrl page = item.downloadPage();
    if (_userInitiated) {
        _alert.showUpdateFound(item, _currentVersion, [this, page] { _openUrl(page); });
    } else if (VersionComparator::compareVersions(
                   _settings.objectForKey(kLastNotifiedVersionKey).toString(),
                   item.versionString) != 0) {
        _settings.setObject(item.versionString, kLastNotifiedVersionKey);
        _notificationCenter.deliverWithAction(
            //: Title of the notification that a new version is out
            QCoreApplication::translate("SoftwareUpdater", "A new version of Ampra is available"),
            //: Body of the notification that a new version is out; %1 the new version, %2 the
            //: running one
            QCoreApplication::translate("SoftwareUpdater", "Ampra %1 is out. You have %2.")
                .arg(item.displayVersionString, _currentVersion),
            //: Action of the new version notification that opens the download page
            QCoreApplication::translate("SoftwareUpdater", "Download"),
            [this, page] { _openUrl(page); });
    }
    endCycle();
}

void SoftwareUpdater::didNotFindUpdate() {
    LOG4CPLUS_INFO(logger(), "Ampra " << _currentVersion.toStdString() << " is up to date");
    if (_userInitiated)
        _alert.showUpToDate(_currentVersion);
    endCycle();
}

void SoftwareUpdater::failed(const QString& reason) {
    LOG4CPLUS_WARN(logger(), "Update check at " << escaped(_feedURL.toString())
                                                << " failed: " << escaped(reason));
    if (_userInitiated)
        _alert.showError();
    endCycle();
}

void SoftwareUpdater::endCycle() {
    _userInitiated = false;
    Q_EMIT updateCycleFinished();
}
