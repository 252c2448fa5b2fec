#pragma once

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// A token shaped like the service's access tokens (header.payload.signature, Base64url without
// padding) with the given payload; the signature is not checked by the client.
inline QString tokenWithPayload(const QJsonObject &payload)
{
    const auto part = [](const QByteArray &bytes) {
        return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };
    return QString::fromLatin1(part(R"({"alg":"HS256","typ":"JWT"})") + '.' +
                               part(QJsonDocument(payload).toJson(QJsonDocument::Compact)) + '.' +
                               part("signature"));
}

// A token of `subject` expiring `seconds` from now (negative: expired).
inline QString tokenExpiringIn(qint64 seconds, const QString &subject = QStringLiteral("user-1"))
{
    return tokenWithPayload({{QStringLiteral("sub"), subject},
                             {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + seconds}});
}
