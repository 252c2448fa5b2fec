#include "loopbackhttpserver.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

QByteArray LoopbackRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::listen()
{
    m_server = new QTcpServer(this);
    m_scheme = QStringLiteral("http");
    return start();
}

bool LoopbackHttpServer::listenTls(const QString &certificatePath, const QString &keyPath)
{
    QFile certificateFile(certificatePath);
    QFile keyFile(keyPath);
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(QSslCertificate::fromData(certificateFile.readAll()));
    configuration.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Rsa));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    auto *server = new QSslServer(this);
    server->setSslConfiguration(configuration);
    m_server = server;
    m_scheme = QStringLiteral("https");
    return start();
}

bool LoopbackHttpServer::start()
{
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    QUrl url;
    url.setScheme(m_scheme);
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_server->serverPort());
    url.setPath(path);
    return url;
}

void LoopbackHttpServer::serve(QTcpSocket *socket)
{
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
        received->append(socket->readAll());
        const qsizetype end = received->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = received->left(end).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        LoopbackRequest request{requestLine.value(0), requestLine.value(1), {}};
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.append(
                    {lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
        }
        received->clear();
        m_requests.append(request);

        const LoopbackResponse response = m_handler(request);
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
        for (const auto &[name, value] : response.headers)
            answer += name + ": " + value + "\r\n";
        answer +=
            "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n";
        answer += response.body;
        socket->write(answer);
        socket->disconnectFromHost();
    });
}
