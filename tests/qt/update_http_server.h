// A small HTTP/1.1 server on 127.0.0.1 for the update tests: fixed answers by
// path, a server that accepts and never answers, redirects.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class TestHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool silent = false;     // accept, read, never answer
        bool sendLength = true;  // Content-Length, else the body ends with the connection
    };

    QMap<QByteArray, Answer> answers;  // by request path
    QList<QByteArray> requests;        // request lines and headers, as received

    TestHttpServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
    }
    bool Listen() { return server_.listen(QHostAddress::LocalHost, 0); }
    quint16 Port() const { return server_.serverPort(); }
    QByteArray Url(const QByteArray& path) const {
        return "http://127.0.0.1:" + QByteArray::number(Port()) + path;
    }
    int RequestsFor(const QByteArray& path) const {
        int n = 0;
        for (const QByteArray& r : requests)
            if (r.contains(" " + path + " ")) ++n;
        return n;
    }

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            auto* buffer = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const auto end = buffer->indexOf("\r\n\r\n");
                if (end < 0) return;
                const QByteArray head = buffer->left(end);
                buffer->clear();
                requests.append(head);
                Respond(socket, head);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void Respond(QTcpSocket* socket, const QByteArray& head) {
        const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
        QByteArray path = words.size() > 1 ? words[1] : QByteArray("/");
        // Through a proxy the request line holds the whole address.
        if (path.startsWith("http://")) path = path.mid(path.indexOf('/', 7));
        const auto it = answers.constFind(path);
        const Answer a = it != answers.constEnd() ? *it : Answer{404, "not here", {}, false, true};
        if (a.silent) return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\n";
        for (const auto& h : a.headers) out += h.first + ": " + h.second + "\r\n";
        if (a.sendLength) out += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        out += "Connection: close\r\n\r\n";
        socket->write(out);
        socket->write(a.body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
};
