// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QUrl>

// An HTTP/1.1 server on 127.0.0.1 in the test process, served by its event loop: each path gets
// a fixed answer, or none at all; anything else is 404.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    enum class Answer {
        Whole,
        // The head and the body so far, of no stated length, on a connection held open.
        Endless,
        // The connection is accepted and never answered.
        Nothing,
    };
    struct Response {
        int status = 200;
        QByteArray body;
        Answer answer = Answer::Whole;
        // Sent as the Location header when set.
        QByteArray location = {};
    };
    struct Request {
        QByteArray path;
        QByteArray userAgent;
    };

    LocalHttpServer();

    QUrl url(const QString& path) const;
    void serve(const QByteArray& path, const Response& response) { _responses[path] = response; }
    const QList<Request>& requests() const { return _requests; }

private:
    void answer(QTcpSocket* socket);

    QTcpServer _server;
    QHash<QByteArray, Response> _responses;
    QList<Request> _requests;
};
