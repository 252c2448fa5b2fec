#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace CorvantisAccount {

// The loopback listener the browser is redirected to after signing in. It accepts exactly one
// request: GET /callback carrying this handler's random `state`, which only the service's redirect
// knows; anything else (another page on this computer poking the port, a probe, a malformed or
// oversized request) is answered 400 and the listener keeps waiting.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 preferredPort = 19876;

    explicit WebAuthHandler(QObject *parent = nullptr);

    // Listens on 127.0.0.1, port 19876 or else one the system picks; the redirect URI
    // "http://localhost:<port>/callback", or empty when no port can be bound.
    QString start();
    // Stops listening; connections already open are still answered.
    void stop();
    // The random text the login URL carries and the redirect must bring back.
    QString state() const { return m_state; }
    bool isListening() const;

signals:
    void callbackReceived(const QUrl &url);

private:
    void handleConnection();
    void handleData(QTcpSocket *socket, QByteArray &buffered);
    void answer(QTcpSocket *socket, const QByteArray &response);
    bool isExpectedCallback(const QByteArray &method, const QUrl &url) const;

    QTcpServer *m_server;
    QString m_state;
    bool m_completed = false;
};

} // namespace CorvantisAccount
