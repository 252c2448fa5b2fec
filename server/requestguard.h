#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class QTcpSocket;

// What the guard read from one request's head before Qt's own parser saw the request.
struct RequestHead
{
    QByteArray method;
    QByteArray target;
    QByteArray version;
    bool closeRequested = false;
};

// Stands in front of Qt's HTTP parser on one connection. Qt 6.4's server reads a whole request
// body into memory, however large, before any handler runs, and gives handlers only a decoded URL;
// this guard reads each request head first (it is connected to readyRead before Qt's parser and
// only peeks), answers an oversized, chunked or malformed request itself and closes the
// connection, and queues the raw request target for the handler. Owned by its socket.
class RequestGuard : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 defaultBodyLimit = 256 * 1024;
    static constexpr qint64 syncPushBodyLimit = 16 * 1024 * 1024;
    static constexpr qsizetype headLimit = 32 * 1024;

    explicit RequestGuard(QTcpSocket *socket);

    // The oldest request head the handler has not taken yet; empty when there is none.
    RequestHead takeHead();
    bool hasRejected() const { return m_rejected; }

    static qint64 bodyLimitFor(const QByteArray &target);

private:
    void inspect();
    bool acceptHead(const QByteArray &head);
    void reject(int status, const QString &message);

    QTcpSocket *m_socket;
    QByteArray m_head;
    qint64 m_bodyRemaining = 0;
    bool m_rejected = false;
    QList<RequestHead> m_pending;
};
