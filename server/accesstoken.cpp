#include "accesstoken.h"

#include "credentials.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace AccessToken {

namespace {

constexpr auto base64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray encodePart(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(base64Url);
}

QJsonObject decodePart(const QByteArray &part)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(part, base64Url | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    return QJsonDocument::fromJson(*decoded).object();
}

} // namespace

QString sign(const AccessClaims &claims, const QByteArray &secret)
{
    const QByteArray header = encodePart(
        {{QStringLiteral("alg"), QStringLiteral("HS256")}, {QStringLiteral("typ"), QStringLiteral("JWT")}});
    const QJsonObject corv{{QStringLiteral("group_id"), claims.groupId},
                           {QStringLiteral("role"), claims.role}};
    const QByteArray payload =
        encodePart({{QStringLiteral("sub"), claims.userId},
                    {QStringLiteral("sid"), claims.sessionId},
                    {QStringLiteral("iat"), claims.issuedAt},
                    {QStringLiteral("exp"), claims.expiresAt},
                    {QStringLiteral("custom"), QJsonObject{{QStringLiteral("corv"), corv}}}});
    const QByteArray signingInput = header + '.' + payload;
    return QString::fromLatin1(signingInput + '.' +
                               Credentials::hmacSha256(secret, signingInput).toBase64(base64Url));
}

AccessClaims verify(const QString &token, const QByteArray &secret, qint64 now)
{
    const QByteArray bytes = token.toLatin1();
    const QList<QByteArray> parts = bytes.split('.');
    if (parts.size() != 3 || secret.isEmpty())
        return {};
    // Only the algorithm this service signs with is accepted: "none" or another algorithm named by
    // the token itself must not choose how it is checked.
    if (decodePart(parts.at(0)).value(QStringLiteral("alg")).toString() != QStringLiteral("HS256"))
        return {};
    const QByteArray expected =
        Credentials::hmacSha256(secret, parts.at(0) + '.' + parts.at(1)).toBase64(base64Url);
    if (!Credentials::equalInConstantTime(expected, parts.at(2)))
        return {};
    const QJsonObject payload = decodePart(parts.at(1));
    AccessClaims claims;
    claims.userId = payload.value(QStringLiteral("sub")).toString();
    claims.sessionId = payload.value(QStringLiteral("sid")).toString();
    claims.issuedAt = payload.value(QStringLiteral("iat")).toInteger();
    claims.expiresAt = payload.value(QStringLiteral("exp")).toInteger();
    const QJsonObject corv =
        payload.value(QStringLiteral("custom")).toObject().value(QStringLiteral("corv")).toObject();
    claims.groupId = corv.value(QStringLiteral("group_id")).toString();
    claims.role = corv.value(QStringLiteral("role")).toString();
    if (claims.userId.isEmpty() || claims.sessionId.isEmpty() || claims.expiresAt <= now)
        return {};
    return claims;
}

} // namespace AccessToken
