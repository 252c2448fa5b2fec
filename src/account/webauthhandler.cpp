#include "webauthhandler.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <array>
#include <memory>

namespace CorvantisAccount {

namespace {

// A browser's request with its headers fits easily; the tokens ride in the request line.
constexpr qsizetype maxRequestBytes = 16 * 1024;
// A connection that has not sent a whole request by then (a browser's speculative connection, a
// stalled client) is closed.
constexpr int connectionTimeLimitMs = 30000;

const QByteArray successResponse =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2><p>You can close this tab and return to the "
    "application.</p></body></html>";

const QByteArray refusedResponse =
    "HTTP/1.1 400 Bad Request\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>This is not a sign-in request of this application.</h2></body></html>";

QString randomState()
{
    std::array<quint32, 8> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char *>(words.data()), qsizetype(sizeof(words)));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_state(randomState())
{
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::handleConnection);
}

bool WebAuthHandler::isListening() const
{
    return m_server->isListening();
}

QString WebAuthHandler::start()
{
    if (!m_server->isListening() && !m_server->listen(QHostAddress::LocalHost, preferredPort) &&
        !m_server->listen(QHostAddress::LocalHost, 0))
        return {};
    return QStringLiteral("http://localhost:%1/callback").arg(m_server->serverPort());
}

void WebAuthHandler::stop()
{
    m_server->close();
}

void WebAuthHandler::handleConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffered = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket, buffered] { handleData(socket, *buffered); });
        QTimer::singleShot(connectionTimeLimitMs, socket, [socket] { socket->abort(); });
    }
}

void WebAuthHandler::handleData(QTcpSocket *socket, QByteArray &buffered)
{
    // Collects the request up to the end of its headers; only then is it judged and answered.
    buffered += socket->read(maxRequestBytes + 1 - buffered.size());
    if (buffered.size() > maxRequestBytes) {
        answer(socket, refusedResponse);
        return;
    }
    if (!buffered.contains("\r\n\r\n"))
        return;
    const QString text = QString::fromUtf8(buffered.left(buffered.indexOf("\r\n")));
    const QStringList requestLine = text.split(QLatin1Char(' '));
    const QByteArray method = requestLine.value(0).toLatin1();
    const QString target = requestLine.value(1);
    const QUrl url(QStringLiteral("http://localhost:%1%2").arg(m_server->serverPort()).arg(target));
    if (m_completed || requestLine.size() != 3 || !target.startsWith(QLatin1Char('/')) ||
        !isExpectedCallback(method, url)) {
        answer(socket, refusedResponse);
        return;
    }
    answer(socket, successResponse);
    // Connections opened before this one may still bring the same redirect; it counts once.
    m_completed = true;
    m_server->close();
    emit callbackReceived(url);
}

bool WebAuthHandler::isExpectedCallback(const QByteArray &method, const QUrl &url) const
{
    if (method != "GET" || !url.isValid() || url.path() != QLatin1String("/callback"))
        return false;
    const QUrlQuery query(url);
    const QStringList states = query.allQueryItemValues(QStringLiteral("state"), QUrl::FullyDecoded);
    return states.size() == 1 && states.first() == m_state;
}

void WebAuthHandler::answer(QTcpSocket *socket, const QByteArray &response)
{
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    socket->write(response);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace CorvantisAccount
