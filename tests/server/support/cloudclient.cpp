#include "cloudclient.h"

#include "browsersession.h"

#include <QJsonDocument>
#include <QUrlQuery>

namespace {

QJsonObject corvClaims(const QString &token)
{
    const QByteArray payload = QByteArray::fromBase64(token.section(QLatin1Char('.'), 1, 1).toLatin1(),
                                                      QByteArray::Base64UrlEncoding);
    return QJsonDocument::fromJson(payload)
        .object()
        .value(QStringLiteral("custom"))
        .toObject()
        .value(QStringLiteral("corv"))
        .toObject();
}

} // namespace

CloudClient::CloudClient(CloudHttp *http)
    : m_http(http)
{}

bool CloudClient::signUp(const QString &address, const QString &displayName)
{
    const SignInResult result =
        BrowserSession::signUp(m_http, address, QStringLiteral("correct horse 1"), displayName);
    if (result.status != 303)
        return false;
    email = address;
    accessToken = result.accessToken;
    refreshToken = result.refreshToken;
    userId = auth("GET", QStringLiteral("/users/me")).json.value(QStringLiteral("id")).toString();
    return !userId.isEmpty();
}

bool CloudClient::refresh()
{
    const HttpResult result = m_http->post(QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
                                           {{QStringLiteral("refresh_token"), refreshToken}});
    if (result.status != 200)
        return false;
    accessToken = result.json.value(QStringLiteral("access_token")).toString();
    refreshToken = result.json.value(QStringLiteral("refresh_token")).toString();
    return true;
}

HttpResult CloudClient::auth(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    return m_http->request(method, QStringLiteral("/api/v1/realms/corvantis") + path, body, accessToken);
}

HttpResult CloudClient::account(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    return m_http->request(method, QStringLiteral("/account/v1") + path, body, accessToken);
}

HttpResult CloudClient::sync(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    return m_http->request(method, QStringLiteral("/zimbrel/v1") + path, body, accessToken);
}

HttpResult CloudClient::send(const QByteArray &method, const QString &path, const QByteArray &body)
{
    return m_http->send(method, path, body, "application/json",
                        {{"Authorization", "Bearer " + accessToken.toLatin1()}});
}

HttpResult CloudClient::push(const QJsonArray &changes)
{
    return sync("POST", QStringLiteral("/sync/push"), {{QStringLiteral("changes"), changes}});
}

HttpResult CloudClient::pull(const QString &since, int limit)
{
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(QStringLiteral("since"), since);
    query.addQueryItem(QStringLiteral("limit"), QString::number(limit));
    return sync("GET", QStringLiteral("/sync/pull?") + query.toString(QUrl::FullyEncoded));
}

QString CloudClient::tokenGroupId() const
{
    return corvClaims(accessToken).value(QStringLiteral("group_id")).toString();
}

QString CloudClient::tokenRole() const
{
    return corvClaims(accessToken).value(QStringLiteral("role")).toString();
}

QJsonObject CloudClient::newAccountChange(const QString &id, const QString &name)
{
    const QString stamp = QStringLiteral("2026-03-31T14:05:09Z");
    return {
        {QStringLiteral("entity_type"), QStringLiteral("account")},
        {QStringLiteral("entity_id"), id},
        {QStringLiteral("action"), QStringLiteral("upsert")},
        {QStringLiteral("version"), 1},
        {QStringLiteral("payload"), QJsonObject{{QStringLiteral("client_id"), id},
                                                {QStringLiteral("name"), name},
                                                {QStringLiteral("account_type"), QStringLiteral("checking")},
                                                {QStringLiteral("currency"), QStringLiteral("USD")},
                                                {QStringLiteral("is_shared"), 0},
                                                {QStringLiteral("institution"), QString()},
                                                {QStringLiteral("account_number_last4"), QString()},
                                                {QStringLiteral("starting_balance"), 0},
                                                {QStringLiteral("sort_order"), 0},
                                                {QStringLiteral("version"), 1},
                                                {QStringLiteral("created_at"), stamp},
                                                {QStringLiteral("updated_at"), stamp}}}};
}
