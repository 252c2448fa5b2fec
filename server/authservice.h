#pragma once

#include "accesstoken.h"
#include "httpexchange.h"
#include "loginpage.h"

#include <QString>

class CloudDatabase;

// Users, sessions and tokens: the browser sign-in page, the auth API (token refresh, logout, the
// current user, password, sessions) and the check of every bearer token.
//
// A sign-in opens a session. Its refresh token is random, stored only as a hash and replaced at
// every refresh; presenting a replaced one again means it was copied, so the session is revoked.
// Failed sign-ins are counted in the database per account and per client address.
class AuthService
{
public:
    static constexpr qint64 sessionLifetimeSeconds = 30 * 24 * 3600;
    static constexpr qint64 deletionGraceSeconds = 30 * 24 * 3600;
    static constexpr int accountFailureLimit = 5;
    static constexpr int addressFailureLimit = 30;
    static constexpr qint64 failureWindowSeconds = 15 * 60;

    AuthService(CloudDatabase *database, const QString &realm, bool secureCookies);

    // Paths below /api/v1/realms/<realm>/ that need no access token.
    static bool isPublicPath(const QStringList &path);
    HttpResponse handleApi(const HttpRequest &request, const QStringList &path, const AccessClaims &claims);
    HttpResponse handleLoginPage(const HttpRequest &request);

    // The claims of the request's bearer token when it is valid and its session is live; an empty
    // userId otherwise.
    AccessClaims authenticate(const HttpRequest &request);

    // Removes the accounts whose deletion date has passed, with everything they own.
    void purgeDueAccounts();

    // Throttling shared with other sign-in-like checks (joining a group by code).
    bool isThrottled(const QString &key, int limit);
    void recordFailure(const QString &key);
    void clearFailures(const QString &key);

private:
    HttpResponse refresh(const HttpRequest &request);
    HttpResponse logout(const AccessClaims &claims);
    HttpResponse currentUser(const AccessClaims &claims);
    HttpResponse updateCurrentUser(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse changePassword(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse listSessions(const AccessClaims &claims);
    HttpResponse revokeSession(const AccessClaims &claims, const QString &sessionId);

    HttpResponse loginPage(int status, LoginForm form, const QString &message);
    // Opens a session for `userId` and answers with the redirect to the client's loopback address.
    HttpResponse completeSignIn(const HttpRequest &request, const QString &userId, const LoginForm &form);
    QString issueAccessToken(const QString &userId, const QString &sessionId);
    bool checkCsrfToken(const HttpRequest &request, const QString &token);

    CloudDatabase *m_database;
    QString m_realm;
    bool m_secureCookies;
};
