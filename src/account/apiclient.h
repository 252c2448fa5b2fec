#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;

namespace CorvantisAccount {

class TokenManager;

// `ok` is true exactly when `status` is 200..299; status 0 means no answer arrived (no network,
// refused, timed out, dropped). `body` is the answer's JSON object, empty when it is not one.
using ResponseCallback = std::function<void(bool ok, int status, const QJsonObject &body)>;

// The HTTP client under every call to the cloud service: builds the URL and headers, attaches the
// bearer token, refreshes an expiring token before sending, retries once after 401, and reports
// every request exactly once to its callback, on the GUI thread.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    // `tokens` is shared, not owned; null for a client that never authenticates.
    explicit ApiClient(TokenManager *tokens, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url);
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    // A request during which nothing arrives for this long fails as a network failure (status 0).
    void setTransferTimeout(int milliseconds);

    void get(const QString &path, const ResponseCallback &callback, const QUrlQuery &query = {});
    void getPublic(const QString &path, const ResponseCallback &callback, const QUrlQuery &query = {});
    void post(const QString &path, const QJsonObject &body, const ResponseCallback &callback);
    void postPublic(const QString &path, const QJsonObject &body, const ResponseCallback &callback);
    void patch(const QString &path, const QJsonObject &body, const ResponseCallback &callback);
    void del(const QString &path, const ResponseCallback &callback);

    void sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                     const ResponseCallback &callback, const QUrlQuery &query, bool authenticated);

signals:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    void executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                        const QString &accessToken, const ResponseCallback &callback, bool allowRetry);

    QNetworkAccessManager *m_network;
    TokenManager *m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeout;
};

} // namespace CorvantisAccount
