#include "cloudserver.h"

#include "accountservice.h"
#include "authservice.h"
#include "clouddatabase.h"
#include "downloadfiles.h"
#include "guardedserver.h"
#include "syncservice.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QString decodePathSegment(const QByteArray &segment)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(segment));
}

HttpResponse unauthorized()
{
    HttpResponse response =
        HttpResponse::error(401, QStringLiteral("missing, invalid or expired access token"));
    response.setHeader("WWW-Authenticate", "Bearer");
    return response;
}

QHostAddress listenAddress(const QString &host)
{
    if (host == QLatin1String("localhost"))
        return QHostAddress(QHostAddress::LocalHost);
    QString bare = host;
    if (bare.startsWith(QLatin1Char('[')) && bare.endsWith(QLatin1Char(']')))
        bare = bare.mid(1, bare.size() - 2);
    return QHostAddress(bare);
}

constexpr int purgeIntervalMilliseconds = 3600 * 1000;

} // namespace

CloudServer::CloudServer(CloudDatabase *database, const CloudOptions &options, const FaultPlan &faults,
                         QObject *parent)
    : QAbstractHttpServer(parent)
    , m_database(database)
    , m_options(options)
    , m_faults(faults)
    , m_auth(std::make_unique<AuthService>(database, options.realm,
                                           !options.tlsCertificate.isEmpty() ||
                                               options.publicUrl.startsWith(QLatin1String("https:"))))
    , m_sync(std::make_unique<SyncService>(database, &m_faults))
    , m_accounts(std::make_unique<AccountService>(database, m_auth.get(), m_sync.get()))
    , m_files(std::make_unique<DownloadFiles>(options.filesDirectory))
{
    auto *purgeTimer = new QTimer(this);
    connect(purgeTimer, &QTimer::timeout, this, [this] { m_auth->purgeDueAccounts(); });
    purgeTimer->start(purgeIntervalMilliseconds);
    m_auth->purgeDueAccounts();
}

CloudServer::~CloudServer() = default;

quint16 CloudServer::start(QString *error)
{
    const QHostAddress address = listenAddress(m_options.listenHost);
    if (address.isNull()) {
        *error = QStringLiteral("cannot listen on %1: not an IP address").arg(m_options.listenHost);
        return 0;
    }
    QTcpServer *server = nullptr;
    if (!m_options.tlsCertificate.isEmpty()) {
        QFile certificateFile(m_options.tlsCertificate);
        QFile keyFile(m_options.tlsKey);
        if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the TLS certificate or key");
            return 0;
        }
        const QList<QSslCertificate> chain = QSslCertificate::fromData(certificateFile.readAll(), QSsl::Pem);
        const QByteArray keyBytes = keyFile.readAll();
        QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
        if (key.isNull())
            key = QSslKey(keyBytes, QSsl::Ec, QSsl::Pem);
        if (chain.isEmpty() || key.isNull()) {
            *error = QStringLiteral("the TLS certificate or key is not valid PEM (RSA or EC key)");
            return 0;
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificateChain(chain);
        configuration.setPrivateKey(key);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        auto *sslServer = new GuardedServer<QSslServer>(this);
        sslServer->setSslConfiguration(configuration);
        server = sslServer;
    } else {
        server = new GuardedServer<QTcpServer>(this);
    }
    if (!server->listen(address, m_options.listenPort)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3")
                     .arg(m_options.listenHost)
                     .arg(m_options.listenPort)
                     .arg(server->errorString());
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

bool CloudServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    auto *guard = socket->findChild<RequestGuard *>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard || guard->hasRejected())
        return true;
    const RequestHead head = guard->takeHead();
    if (head.target.isEmpty() || !head.target.startsWith('/')) {
        writeHttpResponse(socket, HttpResponse::error(400, QStringLiteral("malformed request target")), false,
                          true);
        return true;
    }

    HttpRequest parsed;
    parsed.method = head.method;
    const qsizetype question = head.target.indexOf('?');
    const QByteArray rawPath = question < 0 ? head.target : head.target.left(question);
    const QList<QByteArray> rawSegments = rawPath.mid(1).split('/');
    for (const QByteArray &segment : rawSegments)
        parsed.segments.append(decodePathSegment(segment));
    if (question >= 0)
        parsed.query = parseQueryString(head.target.mid(question + 1));
    parsed.headers = request.headers();
    parsed.body = request.body();
    const QHostAddress peer = socket->peerAddress();
    parsed.clientAddress = peer.toString();
    if (!m_options.trustedProxy.isNull() && peer.isEqual(m_options.trustedProxy)) {
        const QByteArray forwarded = parsed.header("X-Forwarded-For");
        const QHostAddress client(QString::fromLatin1(forwarded.split(',').last().trimmed()));
        if (!client.isNull())
            parsed.clientAddress = client.toString();
    }

    const QString area = parsed.segments.value(0);
    const bool isApi =
        area == QLatin1String("api") || area == QLatin1String("account") || area == QLatin1String("zimbrel");
    const int delay = isApi ? m_faults.delayMilliseconds() : 0;
    const HttpResponse response = dispatch(parsed);
    if (response.dropConnection) {
        socket->abort();
        return true;
    }
    const bool headOnly = parsed.method == "HEAD";
    if (delay <= 0) {
        writeHttpResponse(socket, response, headOnly, head.closeRequested);
        return true;
    }
    // The socket is the timer's context: a client that gives up first takes the answer with it.
    QTimer::singleShot(delay, socket, [socket, response, headOnly, close = head.closeRequested] {
        writeHttpResponse(socket, response, headOnly, close);
    });
    return true;
}

void CloudServer::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    writeHttpResponse(socket, HttpResponse::error(404, QStringLiteral("not found")), false, false);
}

AccessClaims CloudServer::authenticate(const HttpRequest &request)
{
    AccessClaims claims = m_auth->authenticate(request);
    if (!claims.userId.isEmpty() && m_faults.refusesToken())
        return {};
    return claims;
}

HttpResponse CloudServer::dispatch(const HttpRequest &request)
{
    const QStringList &segments = request.segments;
    const QString first = segments.value(0);
    if (segments.size() >= 4 && first == QLatin1String("api") && segments.at(1) == QLatin1String("v1") &&
        segments.at(2) == QLatin1String("realms") && segments.at(3) == m_options.realm) {
        const QStringList path = segments.mid(4);
        if (AuthService::isPublicPath(path))
            return m_auth->handleApi(request, path, {});
        const AccessClaims claims = authenticate(request);
        return claims.userId.isEmpty() ? unauthorized() : m_auth->handleApi(request, path, claims);
    }
    if (segments.size() == 3 && first == m_options.realm && segments.at(1) == QLatin1String("account") &&
        segments.at(2) == QLatin1String("login"))
        return m_auth->handleLoginPage(request);
    if (segments.size() >= 2 && first == QLatin1String("account") && segments.at(1) == QLatin1String("v1")) {
        const AccessClaims claims = authenticate(request);
        return claims.userId.isEmpty() ? unauthorized()
                                       : m_accounts->handle(request, segments.mid(2), claims);
    }
    if (segments.size() >= 2 && first == QLatin1String("zimbrel") && segments.at(1) == QLatin1String("v1")) {
        const AccessClaims claims = authenticate(request);
        return claims.userId.isEmpty() ? unauthorized() : m_sync->handle(request, segments.mid(2), claims);
    }
    if (first == QLatin1String("downloads"))
        return m_files->serve(request, segments.mid(1));
    if (segments == QStringList{QStringLiteral("healthz")})
        return health();
    return HttpResponse::error(404, QStringLiteral("not found"));
}

HttpResponse CloudServer::health()
{
    if (!m_database->exec("CloudServer::health", QStringLiteral("SELECT 1")))
        return HttpResponse::error(503, QStringLiteral("database unavailable"));
    return HttpResponse::json(200, {{QStringLiteral("status"), QStringLiteral("ok")}});
}
