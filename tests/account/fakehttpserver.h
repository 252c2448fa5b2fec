#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

// A loopback HTTP server for client tests: records each request and answers it with the next
// canned response. A response of "HANG" never answers; any other bytes are written as they are
// and the connection is closed.
class FakeHttpServer
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;

        QByteArray header(const QByteArray &name) const
        {
            for (const auto &[key, value] : headers) {
                if (key.compare(name, Qt::CaseInsensitive) == 0)
                    return value;
            }
            return {};
        }
        bool hasHeader(const QByteArray &name) const
        {
            for (const auto &pair : headers) {
                if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
                    return true;
            }
            return false;
        }
    };

    FakeHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    serve(socket, *buffer);
                });
            }
        });
    }

    static QByteArray json(int status, const QByteArray &body)
    {
        return "HTTP/1.1 " + QByteArray::number(status) +
               " X\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

    void answer(const QByteArray &response) { m_responses.append(response); }
    QUrl url(const QString &path = {}) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    QList<Request> requests;

private:
    void serve(QTcpSocket *socket, QByteArray &buffer)
    {
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.first().trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        qsizetype length = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            const QByteArray name = lines.at(i).left(colon).trimmed();
            const QByteArray value = lines.at(i).mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                length = value.toLongLong();
        }
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        buffer.clear();
        requests.append(request);
        const QByteArray response = m_responses.isEmpty() ? json(200, "{}") : m_responses.takeFirst();
        if (response == "HANG")
            return;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QList<QByteArray> m_responses;
};
