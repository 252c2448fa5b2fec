#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

#include <functional>

class QTcpServer;
class QTcpSocket;

struct LoopbackRequest
{
    QByteArray method;
    QByteArray path;
    QList<QPair<QByteArray, QByteArray>> headers;

    QByteArray header(const QByteArray &name) const;
};

struct LoopbackResponse
{
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
};

// A tiny HTTP (or, with a certificate, HTTPS) server on 127.0.0.1 for what the download server
// cannot show a test: how many requests arrived and with which headers, and redirects. Each request
// is answered by the handler on a connection of its own.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<LoopbackResponse(const LoopbackRequest &)>;

    explicit LoopbackHttpServer(Handler handler, QObject *parent = nullptr);
    ~LoopbackHttpServer() override;

    bool listen();
    bool listenTls(const QString &certificatePath, const QString &keyPath);

    QUrl url(const QString &path = QString()) const;
    QList<LoopbackRequest> requests() const { return m_requests; }

private:
    bool start();
    void serve(QTcpSocket *socket);

    Handler m_handler;
    QTcpServer *m_server = nullptr;
    QString m_scheme;
    QList<LoopbackRequest> m_requests;
};
