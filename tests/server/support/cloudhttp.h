#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPair>
#include <QUrl>

// One answer as a test sees it. `status` is 0 when the connection failed or was dropped.
struct HttpResult
{
    int status = 0;
    QByteArray body;
    QJsonObject json;
    QList<QPair<QByteArray, QByteArray>> headers;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;

    QByteArray header(const QByteArray &name) const;
    // A JSON error answer: status 4xx with a non-empty "error" text.
    bool isJsonError() const;
};

// A blocking HTTP client for tests of the cloud service, speaking as the desktop client does
// (JSON bodies, a bearer token), plus a raw mode that sends bytes exactly as given.
class CloudHttp
{
public:
    explicit CloudHttp(const QUrl &baseUrl);

    HttpResult request(const QByteArray &method, const QString &path, const QJsonObject &body = {},
                       const QString &token = {}, const QList<QPair<QByteArray, QByteArray>> &headers = {});
    HttpResult get(const QString &path, const QString &token = {}) { return request("GET", path, {}, token); }
    HttpResult post(const QString &path, const QJsonObject &body, const QString &token = {})
    {
        return request("POST", path, body, token);
    }
    HttpResult del(const QString &path, const QString &token = {})
    {
        return request("DELETE", path, {}, token);
    }
    // Sends `body` bytes as they are, with the given content type.
    HttpResult send(const QByteArray &method, const QString &path, const QByteArray &body,
                    const QByteArray &contentType, const QList<QPair<QByteArray, QByteArray>> &headers = {});

    // Writes `request` on a fresh connection and returns every byte read until the server closes it
    // (or 10 seconds pass).
    QByteArray raw(const QByteArray &request) const;
    static int statusOfRaw(const QByteArray &response);

    QUrl url(const QString &path) const;
    QNetworkAccessManager *manager() { return &m_manager; }

private:
    HttpResult wait(QNetworkReply *reply);

    QUrl m_baseUrl;
    QNetworkAccessManager m_manager;
};
