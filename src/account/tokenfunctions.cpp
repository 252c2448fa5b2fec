#include "tokenfunctions.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace CorvantisAccount {

namespace {

// Access tokens are a few hundred bytes; anything far larger is not one of ours.
constexpr qsizetype maxTokenLength = 16 * 1024;

std::optional<QJsonObject> payloadOf(const QString &token)
{
    if (token.size() > maxTokenLength)
        return std::nullopt;
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(
        parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*decoded);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

qint64 tokenExpiry(const QString &token)
{
    const auto payload = payloadOf(token);
    if (!payload)
        return 0;
    const QJsonValue expiry = payload->value(QStringLiteral("exp"));
    return expiry.isDouble() ? expiry.toInteger() : 0;
}

QString tokenSubject(const QString &token)
{
    const auto payload = payloadOf(token);
    return payload ? payload->value(QStringLiteral("sub")).toString() : QString();
}

CorvantisClaims decodeClaims(const QString &token)
{
    const auto payload = payloadOf(token);
    if (!payload)
        return {};
    const QJsonObject corv =
        payload->value(QStringLiteral("custom")).toObject().value(QStringLiteral("corv")).toObject();
    if (corv.isEmpty())
        return {};
    return {corv.value(QStringLiteral("group_id")).toString(), corv.value(QStringLiteral("role")).toString()};
}

} // namespace CorvantisAccount
