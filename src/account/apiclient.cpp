#include "apiclient.h"

#include "tokenmanager.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace CorvantisAccount {

namespace {

constexpr int defaultTransferTimeoutMs = 60000;
// The largest answer believed: a sync page of 200 rows is far below this.
constexpr qint64 maxReplyBytes = 32 * 1024 * 1024;

// Errors of the connection itself (1..99) and of a proxy (101..199), as opposed to the errors Qt
// derives from an HTTP status. Headers may already have arrived when one of these happens (a
// reply cut off or timed out halfway), and such a reply must not pass for an answer.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

} // namespace

ApiClient::ApiClient(TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
    , m_transferTimeout(defaultTransferTimeoutMs)
{}

void ApiClient::setBaseUrl(const QUrl &url)
{
    m_baseUrl = url;
}

void ApiClient::setAppInfo(const QString &appId, const QString &appVersion, const QString &platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_transferTimeout = milliseconds;
}

void ApiClient::get(const QString &path, const ResponseCallback &callback, const QUrlQuery &query)
{
    sendRequest("GET", path, {}, callback, query, true);
}

void ApiClient::getPublic(const QString &path, const ResponseCallback &callback, const QUrlQuery &query)
{
    sendRequest("GET", path, {}, callback, query, false);
}

void ApiClient::post(const QString &path, const QJsonObject &body, const ResponseCallback &callback)
{
    sendRequest("POST", path, body, callback, {}, true);
}

void ApiClient::postPublic(const QString &path, const QJsonObject &body, const ResponseCallback &callback)
{
    sendRequest("POST", path, body, callback, {}, false);
}

void ApiClient::patch(const QString &path, const QJsonObject &body, const ResponseCallback &callback)
{
    sendRequest("PATCH", path, body, callback, {}, true);
}

void ApiClient::del(const QString &path, const ResponseCallback &callback)
{
    sendRequest("DELETE", path, {}, callback, {}, true);
}

void ApiClient::sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                            const ResponseCallback &callback, const QUrlQuery &query, bool authenticated)
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path() + path);
    if (!query.isEmpty())
        url.setQuery(query);
    const QByteArray bytes =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!authenticated || !m_tokens) {
        executeRequest(method, url, bytes, {}, callback, false);
        return;
    }
    if (m_tokens->needsRefresh()) {
        qDebug().noquote() << "ApiClient: token needs refresh before" << method << url.path();
        m_tokens->refresh([this, method, url, bytes, callback](bool ok) {
            if (ok) {
                executeRequest(method, url, bytes, m_tokens->accessToken(), callback, true);
                return;
            }
            qWarning().noquote() << "ApiClient: token refresh failed for" << method << url.path();
            emit authenticationRequired();
            if (callback)
                callback(false, 401, {});
        });
        return;
    }
    executeRequest(method, url, bytes, m_tokens->accessToken(), callback, true);
}

void ApiClient::executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                               const QString &accessToken, const ResponseCallback &callback, bool allowRetry)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!accessToken.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + accessToken.toUtf8());
    // The bearer token never follows a redirect to another origin; the service's APIs do not redirect.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);

    QNetworkReply *reply = nullptr;
    if (method == "GET")
        reply = m_network->get(request);
    else if (method == "POST")
        reply = m_network->post(request, body);
    else if (method == "PUT")
        reply = m_network->put(request, body);
    else if (method == "PATCH")
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == "DELETE")
        reply = m_network->deleteResource(request);
    if (!reply) {
        if (callback)
            callback(false, 0, {});
        return;
    }

    auto tooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooLarge](qint64 received, qint64) {
        if (received > maxReplyBytes && !*tooLarge) {
            *tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, tooLarge, method, url, body, callback, allowRetry] {
                reply->deleteLater();
                const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                const QNetworkReply::NetworkError error = reply->error();
                if (*tooLarge || isTransportFailure(error) ||
                    (status == 0 && error != QNetworkReply::NoError)) {
                    const QString message =
                        *tooLarge ? tr("The service's answer is too large") : reply->errorString();
                    emit networkError(message);
                    if (callback)
                        callback(false, 0, {});
                    return;
                }
                if (status == 401 && allowRetry && m_tokens) {
                    m_tokens->refresh([this, method, url, body, callback](bool ok) {
                        if (ok) {
                            executeRequest(method, url, body, m_tokens->accessToken(), callback, false);
                            return;
                        }
                        emit authenticationRequired();
                        if (callback)
                            callback(false, 401, {});
                    });
                    return;
                }
                const QByteArray bytes = reply->readAll();
                const QJsonDocument document = QJsonDocument::fromJson(bytes);
                const QJsonObject object =
                    bytes.isEmpty() || !document.isObject() ? QJsonObject() : document.object();
                if (callback)
                    callback(status >= 200 && status <= 299, status, object);
            });
}

} // namespace CorvantisAccount
