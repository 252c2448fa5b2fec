#pragma once

#include <QByteArray>
#include <QString>

// The claims of an access token: who, which session, until when, and the group and role the
// desktop client reads from "custom" → "corv".
struct AccessClaims
{
    QString userId;
    QString sessionId;
    QString groupId;
    QString role;
    qint64 issuedAt = 0;
    qint64 expiresAt = 0;

    bool operator==(const AccessClaims &) const = default;
};

// Access tokens are JSON Web Tokens signed with HMAC-SHA256 under the installation's secret.
namespace AccessToken {

inline constexpr qint64 lifetimeSeconds = 15 * 60;

QString sign(const AccessClaims &claims, const QByteArray &secret);

// The claims of a token whose header names HS256, whose signature matches and which has not
// expired at `now`; an empty userId otherwise.
AccessClaims verify(const QString &token, const QByteArray &secret, qint64 now);

} // namespace AccessToken
