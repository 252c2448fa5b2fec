#pragma once

#include "cloudhttp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One signed-in user of a running service, calling its three APIs the way the desktop client
// does: the auth API under /api/v1/realms/corvantis, the account API under /account/v1 and the
// sync API under /zimbrel/v1.
class CloudClient
{
public:
    explicit CloudClient(CloudHttp *http);

    // Creates the account through the sign-in page; false when the page did not redirect.
    bool signUp(const QString &email, const QString &displayName = {});
    // Trades the refresh token for a new pair (new claims after joining or leaving a group).
    bool refresh();

    HttpResult auth(const QByteArray &method, const QString &path, const QJsonObject &body = {});
    HttpResult account(const QByteArray &method, const QString &path, const QJsonObject &body = {});
    HttpResult sync(const QByteArray &method, const QString &path, const QJsonObject &body = {});

    // Sends `body` bytes as they are to `path` (below the origin), with this user's token.
    HttpResult send(const QByteArray &method, const QString &path, const QByteArray &body);

    HttpResult push(const QJsonArray &changes);
    HttpResult pull(const QString &since = {}, int limit = 200);

    // A push change creating a checking account `id` named `name` (version 1): what a device
    // sends for a new account.
    static QJsonObject newAccountChange(const QString &id,
                                        const QString &name = QStringLiteral("Joint Checking"));

    // The "custom" → "corv" claims of the current access token.
    QString tokenGroupId() const;
    QString tokenRole() const;

    QString userId;
    QString email;
    QString accessToken;
    QString refreshToken;

private:
    CloudHttp *m_http;
};
