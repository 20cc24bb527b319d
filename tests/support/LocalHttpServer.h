// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// An HTTP/1.1 server on 127.0.0.1 in the test process, served by its event loop: each path gets
// a fixed answer, or none at all; anything else is 404.
class LocalHttpServer : public QObject {
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

    LocalHttpServer() {
        _server.listen(QHostAddress::LocalHost);
        connect(&_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = _server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }

    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(_server.serverPort()).arg(path));
    }
    void serve(const QByteArray& path, const Response& response) { _responses[path] = response; }
    const QList<Request>& requests() const { return _requests; }

private:
    void answer(QTcpSocket* socket) {
        // A GET has no body: the request is complete at the empty line.
        QByteArray received = socket->property("received").toByteArray() + socket->readAll();
        socket->setProperty("received", received);
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = received.left(end).split('\n');
        Request request{lines.value(0).split(' ').value(1), {}};
        for (const QByteArray& line : lines)
            if (line.toLower().startsWith("user-agent:"))
                request.userAgent = line.mid(11).trimmed();
        _requests.append(request);
        const Response response = _responses.value(request.path, Response{404, "not found"});
        if (response.answer == Answer::Nothing)
            return;
        const bool whole = response.answer == Answer::Whole;
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) +
                      " Test\r\nContent-Type: application/rss+xml\r\n" +
                      (response.location.isEmpty() ? QByteArray()
                                                   : "Location: " + response.location + "\r\n") +
                      (whole ? "Content-Length: " + QByteArray::number(response.body.size()) +
                                   "\r\nConnection: close\r\n"
                             : QByteArray()) +
                      "\r\n" + response.body);
        if (whole)
            socket->disconnectFromHost();
    }

    QTcpServer _server;
    QHash<QByteArray, Response> _responses;
    QList<Request> _requests;
};
