#include "requestguard.h"

#include "httpexchange.h"

#include <QTcpSocket>

RequestGuard::RequestGuard(QTcpSocket *socket)
    : QObject(socket)
    , m_socket(socket)
{
    connect(socket, &QTcpSocket::readyRead, this, &RequestGuard::inspect);
}

RequestHead RequestGuard::takeHead()
{
    return m_pending.isEmpty() ? RequestHead{} : m_pending.takeFirst();
}

qint64 RequestGuard::bodyLimitFor(const QByteArray &target)
{
    const qsizetype question = target.indexOf('?');
    const QByteArray path = question < 0 ? target : target.left(question);
    return path.endsWith("/sync/push") ? syncPushBodyLimit : defaultBodyLimit;
}

void RequestGuard::inspect()
{
    if (m_rejected) {
        // Drained here so that Qt's parser, which runs after this slot, sees nothing more.
        m_socket->readAll();
        return;
    }
    const QByteArray chunk = m_socket->peek(m_socket->bytesAvailable());
    qsizetype position = 0;
    while (position < chunk.size()) {
        if (m_bodyRemaining > 0) {
            const qint64 taken = qMin<qint64>(m_bodyRemaining, chunk.size() - position);
            m_bodyRemaining -= taken;
            position += taken;
            continue;
        }
        m_head += chunk.mid(position);
        while (m_head.startsWith("\r\n"))
            m_head.remove(0, 2);
        const qsizetype end = m_head.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_head.size() > headLimit)
                reject(431, QStringLiteral("request head too large"));
            return;
        }
        const qsizetype headSize = end + 4;
        const qsizetype leftover = m_head.size() - headSize;
        const QByteArray head = m_head.left(end);
        m_head.clear();
        if (!acceptHead(head))
            return;
        position = chunk.size() - leftover;
    }
}

bool RequestGuard::acceptHead(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine.at(2).startsWith("HTTP/1.")) {
        reject(400, QStringLiteral("malformed request line"));
        return false;
    }
    RequestHead request{requestLine.at(0), requestLine.at(1), requestLine.at(2), false};
    qint64 contentLength = 0;
    bool lengthSeen = false;
    bool keepAlive = request.version != "HTTP/1.0";
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            reject(400, QStringLiteral("malformed header"));
            return false;
        }
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            if (!ok || length < 0 || (lengthSeen && length != contentLength)) {
                reject(400, QStringLiteral("invalid Content-Length"));
                return false;
            }
            contentLength = length;
            lengthSeen = true;
        } else if (name == "transfer-encoding") {
            reject(411, QStringLiteral("chunked request bodies are not accepted; send Content-Length"));
            return false;
        } else if (name == "connection") {
            const QByteArray option = value.toLower();
            if (option.contains("close"))
                keepAlive = false;
            else if (option.contains("keep-alive"))
                keepAlive = true;
        }
    }
    if (contentLength > bodyLimitFor(request.target)) {
        reject(413,
               QStringLiteral("request body too large (at most %1 bytes)").arg(bodyLimitFor(request.target)));
        return false;
    }
    request.closeRequested = !keepAlive;
    m_bodyRemaining = contentLength;
    m_pending.append(request);
    return true;
}

void RequestGuard::reject(int status, const QString &message)
{
    m_rejected = true;
    m_pending.clear();
    m_socket->readAll();
    writeHttpResponse(m_socket, HttpResponse::error(status, message), false, true);
}
