#include "cloudhttp.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QTimer>

QByteArray HttpResult::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool HttpResult::isJsonError() const
{
    return status >= 400 && status < 500 && !json.value(QStringLiteral("error")).toString().isEmpty();
}

CloudHttp::CloudHttp(const QUrl &baseUrl)
    : m_baseUrl(baseUrl)
{}

QUrl CloudHttp::url(const QString &path) const
{
    QUrl url = m_baseUrl;
    const qsizetype question = path.indexOf(QLatin1Char('?'));
    url.setPath(question < 0 ? path : path.left(question));
    if (question >= 0)
        url.setQuery(path.mid(question + 1));
    return url;
}

HttpResult CloudHttp::request(const QByteArray &method, const QString &path, const QJsonObject &body,
                              const QString &token, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QList<QPair<QByteArray, QByteArray>> all = headers;
    if (!token.isEmpty())
        all.append({"Authorization", "Bearer " + token.toLatin1()});
    const QByteArray bytes =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    return send(method, path, bytes, "application/json", all);
}

HttpResult CloudHttp::send(const QByteArray &method, const QString &path, const QByteArray &body,
                           const QByteArray &contentType, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QNetworkRequest request(url(path));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // Cookies only when a test sends them itself, as BrowserSession does.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    return wait(m_manager.sendCustomRequest(request, method, body));
}

HttpResult CloudHttp::wait(QNetworkReply *reply)
{
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    HttpResult result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.json = QJsonDocument::fromJson(result.body).object();
    result.headers = reply->rawHeaderPairs();
    result.error = reply->error();
    reply->deleteLater();
    return result;
}

QByteArray CloudHttp::raw(const QByteArray &request) const
{
    QTcpSocket socket;
    socket.connectToHost(m_baseUrl.host(), quint16(m_baseUrl.port()));
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request);
    socket.flush();
    QByteArray response;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(10000))
        response += socket.readAll();
    response += socket.readAll();
    return response;
}

int CloudHttp::statusOfRaw(const QByteArray &response)
{
    if (!response.startsWith("HTTP/1.1 "))
        return 0;
    return response.mid(9, 3).toInt();
}
