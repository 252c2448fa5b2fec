#include "authservice.h"

#include "clouddatabase.h"
#include "credentials.h"
#include "dbtransaction.h"
#include "validation.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRegularExpression>
#include <QUuid>

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString hashOfToken(const QString &token)
{
    return Credentials::sha256Hex(token.toUtf8());
}

QJsonObject userRecord(const QSqlQuery &query)
{
    // Columns: id, email, display_name, created_at.
    return {{QStringLiteral("id"), query.value(0).toString()},
            {QStringLiteral("email"), query.value(1).toString()},
            {QStringLiteral("display_name"), query.value(2).toString()},
            {QStringLiteral("username"), query.value(1).toString()},
            {QStringLiteral("avatar_url"), QString()},
            {QStringLiteral("created_at"), Validation::isoTime(query.value(3).toLongLong())}};
}

// Answers a wrong password for an unknown address in about the time a real check takes, so the
// answer's timing does not tell which addresses have accounts.
const QString &decoyHash()
{
    static const QString hash = Credentials::hashPassword(QStringLiteral("decoy password for timing"));
    return hash;
}

QString cookieValue(const QByteArray &cookieHeader, const QByteArray &name)
{
    for (const QByteArray &part : cookieHeader.split(';')) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.startsWith(name + '='))
            return QString::fromLatin1(trimmed.mid(name.size() + 1));
    }
    return {};
}

const QByteArray csrfCookie = "zimbrel_login";
constexpr qint64 csrfLifetimeSeconds = 3600;

} // namespace

AuthService::AuthService(CloudDatabase *database, const QString &realm, bool secureCookies)
    : m_database(database)
    , m_realm(realm)
    , m_secureCookies(secureCookies)
{}

bool AuthService::isPublicPath(const QStringList &path)
{
    return path == QStringList{QStringLiteral("auth"), QStringLiteral("token"), QStringLiteral("refresh")};
}

HttpResponse AuthService::handleApi(const HttpRequest &request, const QStringList &path,
                                    const AccessClaims &claims)
{
    const QByteArray &method = request.method;
    const auto is = [&path](std::initializer_list<const char *> parts) {
        if (path.size() != qsizetype(parts.size()))
            return false;
        qsizetype i = 0;
        for (const char *part : parts) {
            if (part[0] != '*' && path.at(i) != QLatin1String(part))
                return false;
            ++i;
        }
        return true;
    };
    if (is({"auth", "token", "refresh"}))
        return method == "POST" ? refresh(request)
                                : HttpResponse::error(405, QStringLiteral("method not allowed"));
    if (is({"auth", "logout"}))
        return method == "POST" ? logout(claims)
                                : HttpResponse::error(405, QStringLiteral("method not allowed"));
    if (is({"users", "me"})) {
        if (method == "GET")
            return currentUser(claims);
        if (method == "PATCH")
            return updateCurrentUser(request, claims);
        return HttpResponse::error(405, QStringLiteral("method not allowed"));
    }
    if (is({"users", "me", "password"}))
        return method == "POST" ? changePassword(request, claims)
                                : HttpResponse::error(405, QStringLiteral("method not allowed"));
    if (is({"users", "me", "sessions"}))
        return method == "GET" ? listSessions(claims)
                               : HttpResponse::error(405, QStringLiteral("method not allowed"));
    if (is({"users", "me", "sessions", "*"}))
        return method == "DELETE" ? revokeSession(claims, path.at(3))
                                  : HttpResponse::error(405, QStringLiteral("method not allowed"));
    return HttpResponse::error(404, QStringLiteral("not found"));
}

AccessClaims AuthService::authenticate(const HttpRequest &request)
{
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer "))
        return {};
    const qint64 time = now();
    AccessClaims claims = AccessToken::verify(QString::fromLatin1(authorization.mid(7).trimmed()),
                                              m_database->signingSecret(), time);
    if (claims.userId.isEmpty())
        return {};
    // The signature proves who issued the token; the session row says whether it still counts
    // (logout, revocation, a replayed refresh token or a scheduled deletion end it at once).
    auto query = m_database->exec(
        "AuthService::authenticate",
        QStringLiteral("SELECT s.last_active_at FROM sessions s JOIN users u ON u.id = s.user_id "
                       "WHERE s.id = ? AND s.user_id = ? AND s.revoked_at IS NULL "
                       "AND s.expires_at > ? AND u.deletion_due_at IS NULL"),
        {claims.sessionId, claims.userId, time});
    if (!query || !query->next())
        return {};
    if (query->value(0).toLongLong() < time - 60) {
        query->finish();
        m_database->exec("AuthService::authenticate",
                         QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"),
                         {time, claims.sessionId});
    }
    return claims;
}

QString AuthService::issueAccessToken(const QString &userId, const QString &sessionId)
{
    AccessClaims claims;
    claims.userId = userId;
    claims.sessionId = sessionId;
    claims.issuedAt = now();
    claims.expiresAt = claims.issuedAt + AccessToken::lifetimeSeconds;
    auto query = m_database->exec(
        "AuthService::issueAccessToken",
        QStringLiteral("SELECT group_id, role FROM group_members WHERE user_id = ?"), {userId});
    if (!query)
        return {};
    if (query->next()) {
        claims.groupId = query->value(0).toString();
        claims.role = query->value(1).toString();
    }
    return AccessToken::sign(claims, m_database->signingSecret());
}

HttpResponse AuthService::refresh(const HttpRequest &request)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const QString token = body->value(QStringLiteral("refresh_token")).toString();
    if (token.isEmpty() || token.size() > 200)
        return HttpResponse::error(400, QStringLiteral("refresh_token is required"));
    const qint64 time = now();
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    auto query = m_database->exec(
        "AuthService::refresh",
        QStringLiteral("SELECT t.session_id, t.used_at, s.user_id, s.revoked_at, s.expires_at, "
                       "u.deletion_due_at FROM refresh_tokens t "
                       "JOIN sessions s ON s.id = t.session_id JOIN users u ON u.id = s.user_id "
                       "WHERE t.token_hash = ?"),
        {hashOfToken(token)});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next())
        return HttpResponse::error(401, QStringLiteral("invalid refresh token"));
    const QString sessionId = query->value(0).toString();
    const bool used = !query->value(1).isNull();
    const QString userId = query->value(2).toString();
    const bool live =
        query->value(3).isNull() && query->value(4).toLongLong() > time && query->value(5).isNull();
    query->finish();
    if (!live)
        return HttpResponse::error(401, QStringLiteral("session ended; sign in again"));
    // Marking the token used only where it is still unused makes two racing refreshes with one
    // token count as reuse, whichever process serves them.
    const int marked = used
                           ? 0
                           : m_database->execCount("AuthService::refresh",
                                                   QStringLiteral("UPDATE refresh_tokens SET used_at = ? "
                                                                  "WHERE token_hash = ? AND used_at IS NULL"),
                                                   {time, hashOfToken(token)});
    if (marked < 0)
        return HttpResponse::storageFailure();
    if (marked == 0) {
        if (m_database->execCount("AuthService::refresh",
                                  QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ?"),
                                  {time, sessionId}) < 0 ||
            !transaction.commit())
            return HttpResponse::storageFailure();
        qWarning().noquote() << "AuthService::refresh: a replaced refresh token was presented again; session"
                             << sessionId << "revoked";
        return HttpResponse::error(401, QStringLiteral("refresh token reused; the session has been revoked"));
    }
    const QString fresh = Credentials::randomToken();
    const QString userAgent = QString::fromUtf8(request.header("User-Agent")).left(512);
    const QString accessToken = issueAccessToken(userId, sessionId);
    if (accessToken.isEmpty() ||
        m_database->execCount(
            "AuthService::refresh",
            QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, issued_at) VALUES (?, ?, ?)"),
            {hashOfToken(fresh), sessionId, time}) < 0 ||
        m_database->execCount(
            "AuthService::refresh",
            QStringLiteral("UPDATE sessions SET last_active_at = ?, expires_at = ?, ip_address = ?, "
                           "user_agent = CASE WHEN ? = '' THEN user_agent ELSE ? END WHERE id = ?"),
            {time, time + sessionLifetimeSeconds, request.clientAddress, userAgent, userAgent, sessionId}) <
            0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::json(200, {{QStringLiteral("access_token"), accessToken},
                                    {QStringLiteral("refresh_token"), fresh},
                                    {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                                    {QStringLiteral("expires_in"), AccessToken::lifetimeSeconds}});
}

HttpResponse AuthService::logout(const AccessClaims &claims)
{
    if (m_database->execCount("AuthService::logout",
                              QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ?"),
                              {now(), claims.sessionId}) < 0)
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}

HttpResponse AuthService::currentUser(const AccessClaims &claims)
{
    auto query =
        m_database->exec("AuthService::currentUser",
                         QStringLiteral("SELECT id, email, display_name, created_at FROM users WHERE id = ?"),
                         {claims.userId});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next())
        return HttpResponse::error(404, QStringLiteral("user not found"));
    return HttpResponse::json(200, userRecord(*query));
}

HttpResponse AuthService::updateCurrentUser(const HttpRequest &request, const AccessClaims &claims)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const auto name = Validation::displayName(body->value(QStringLiteral("display_name")).toString());
    if (!name)
        return HttpResponse::error(400, QStringLiteral("display_name must be 1 to 100 characters"));
    if (m_database->execCount("AuthService::updateCurrentUser",
                              QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"),
                              {*name, claims.userId}) < 0)
        return HttpResponse::storageFailure();
    return currentUser(claims);
}

HttpResponse AuthService::changePassword(const HttpRequest &request, const AccessClaims &claims)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const QString current = body->value(QStringLiteral("current_password")).toString();
    const QString next = body->value(QStringLiteral("new_password")).toString();
    if (!Validation::isAcceptablePassword(next))
        return HttpResponse::error(400, QStringLiteral("new_password must be 8 to 1024 bytes"));
    const QString throttleKey = QStringLiteral("account:") + claims.userId;
    if (isThrottled(throttleKey, accountFailureLimit))
        return HttpResponse::error(429, QStringLiteral("too many failed attempts; try again later"));
    auto query =
        m_database->exec("AuthService::changePassword",
                         QStringLiteral("SELECT password_hash FROM users WHERE id = ?"), {claims.userId});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next() || !Credentials::verifyPassword(current, query->value(0).toString())) {
        recordFailure(throttleKey);
        return HttpResponse::error(403, QStringLiteral("current_password is wrong"));
    }
    query->finish();
    const QString hash = Credentials::hashPassword(next);
    DbTransaction transaction(m_database);
    // Other sessions end with the old password: whoever knew it is signed out everywhere else.
    if (hash.isEmpty() || !transaction.isActive() ||
        m_database->execCount("AuthService::changePassword",
                              QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"),
                              {hash, claims.userId}) < 0 ||
        m_database->execCount(
            "AuthService::changePassword",
            QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = ? AND id <> ? "
                           "AND revoked_at IS NULL"),
            {now(), claims.userId, claims.sessionId}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}

HttpResponse AuthService::listSessions(const AccessClaims &claims)
{
    auto query = m_database->exec(
        "AuthService::listSessions",
        QStringLiteral("SELECT id, user_agent, ip_address, created_at, last_active_at FROM sessions "
                       "WHERE user_id = ? AND revoked_at IS NULL AND expires_at > ? "
                       "ORDER BY last_active_at DESC, id"),
        {claims.userId, now()});
    if (!query)
        return HttpResponse::storageFailure();
    QJsonArray sessions;
    while (query->next()) {
        sessions.append(
            QJsonObject{{QStringLiteral("id"), query->value(0).toString()},
                        {QStringLiteral("user_agent"), query->value(1).toString()},
                        {QStringLiteral("ip_address"), query->value(2).toString()},
                        {QStringLiteral("created_at"), Validation::isoTime(query->value(3).toLongLong())},
                        {QStringLiteral("last_active_at"), Validation::isoTime(query->value(4).toLongLong())},
                        {QStringLiteral("is_current"), query->value(0).toString() == claims.sessionId}});
    }
    return HttpResponse::json(200, {{QStringLiteral("sessions"), sessions}});
}

HttpResponse AuthService::revokeSession(const AccessClaims &claims, const QString &sessionId)
{
    const int revoked = m_database->execCount(
        "AuthService::revokeSession",
        QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND user_id = ? "
                       "AND revoked_at IS NULL"),
        {now(), sessionId, claims.userId});
    if (revoked < 0)
        return HttpResponse::storageFailure();
    return revoked == 0 ? HttpResponse::error(404, QStringLiteral("session not found"))
                        : HttpResponse::noContent();
}

bool AuthService::isThrottled(const QString &key, int limit)
{
    auto query = m_database->exec(
        "AuthService::isThrottled",
        QStringLiteral("SELECT failures FROM login_failures WHERE throttle_key = ? AND window_start > ?"),
        {key, now() - failureWindowSeconds});
    return query && query->next() && query->value(0).toInt() >= limit;
}

void AuthService::recordFailure(const QString &key)
{
    const qint64 time = now();
    // A window that has run out starts again at one failure.
    m_database->exec(
        "AuthService::recordFailure",
        QStringLiteral("INSERT INTO login_failures (throttle_key, failures, window_start) VALUES (?, 1, ?) "
                       "ON CONFLICT (throttle_key) DO UPDATE SET "
                       "failures = CASE WHEN login_failures.window_start > ? THEN login_failures.failures + "
                       "1 ELSE 1 END, "
                       "window_start = CASE WHEN login_failures.window_start > ? THEN "
                       "login_failures.window_start ELSE ? END"),
        {key, time, time - failureWindowSeconds, time - failureWindowSeconds, time});
}

void AuthService::clearFailures(const QString &key)
{
    m_database->exec("AuthService::clearFailures",
                     QStringLiteral("DELETE FROM login_failures WHERE throttle_key = ?"), {key});
}

void AuthService::purgeDueAccounts()
{
    // Deleting the user row takes its sessions, devices, memberships, shares and synchronised rows
    // along through the foreign keys.
    const int purged =
        m_database->execCount("AuthService::purgeDueAccounts",
                              QStringLiteral("DELETE FROM users WHERE deletion_due_at IS NOT NULL "
                                             "AND deletion_due_at <= ?"),
                              {now()});
    if (purged > 0)
        qInfo().noquote() << "Deleted" << purged << "account(s) whose deletion date had passed";
}

HttpResponse AuthService::handleLoginPage(const HttpRequest &request)
{
    if (request.method != "GET" && request.method != "POST")
        return HttpResponse::error(405, QStringLiteral("method not allowed"));
    const QHash<QString, QString> fields =
        request.method == "GET" ? request.query : parseQueryString(request.body);
    LoginForm form;
    form.realm = m_realm;
    form.clientId = fields.value(QStringLiteral("client_id"));
    form.redirectUri = fields.value(QStringLiteral("redirect_uri"));
    form.state = fields.value(QStringLiteral("state"));
    static const QRegularExpression clientIdShape(QStringLiteral("^[A-Za-z0-9._-]{1,128}$"));
    if (!clientIdShape.match(form.clientId).hasMatch())
        return HttpResponse::error(400, QStringLiteral("client_id is missing or malformed"));
    if (!Validation::isLoopbackRedirect(form.redirectUri))
        return HttpResponse::error(
            400, QStringLiteral("redirect_uri must be an address on this computer's loopback "
                                "interface (localhost, 127.0.0.1 or [::1])"));
    if (!Validation::isShortText(form.state, 512))
        return HttpResponse::error(400, QStringLiteral("state is too long or malformed"));
    if (request.method == "GET")
        return loginPage(200, form, {});

    if (!checkCsrfToken(request, fields.value(QStringLiteral("csrf_token"))))
        return loginPage(403, form, QStringLiteral("The form has expired. Please try again."));
    form.email = fields.value(QStringLiteral("email")).left(254);
    form.displayName = fields.value(QStringLiteral("display_name")).left(100);
    const QString action = fields.value(QStringLiteral("action"));
    const QString password = fields.value(QStringLiteral("password"));
    const auto email = Validation::email(form.email);
    if (!email)
        return loginPage(400, form, QStringLiteral("Please enter a valid e-mail address."));
    if (password.toUtf8().size() > Validation::maxPasswordBytes)
        return loginPage(400, form, QStringLiteral("The password is too long."));

    if (action == QLatin1String("signup")) {
        if (!Validation::isAcceptablePassword(password))
            return loginPage(400, form, QStringLiteral("The password needs at least 8 characters."));
        const auto name = Validation::displayName(
            form.displayName.isEmpty() ? email->section(QLatin1Char('@'), 0, 0) : form.displayName);
        if (!name)
            return loginPage(400, form, QStringLiteral("The display name may have at most 100 characters."));
        const QString hash = Credentials::hashPassword(password);
        const QString userId = newId();
        if (hash.isEmpty())
            return HttpResponse::storageFailure();
        auto existing = m_database->exec("AuthService::signUp",
                                         QStringLiteral("SELECT id FROM users WHERE email = ?"), {*email});
        if (!existing)
            return HttpResponse::storageFailure();
        if (existing->next())
            return loginPage(
                409, form,
                QStringLiteral("An account with this e-mail address exists already. Sign in instead."));
        existing->finish();
        if (m_database->execCount(
                "AuthService::signUp",
                QStringLiteral("INSERT INTO users (id, email, display_name, password_hash, created_at) "
                               "VALUES (?, ?, ?, ?, ?) ON CONFLICT (email) DO NOTHING"),
                {userId, *email, *name, hash, now()}) != 1)
            return loginPage(
                409, form,
                QStringLiteral("An account with this e-mail address exists already. Sign in instead."));
        return completeSignIn(request, userId, form);
    }
    if (action != QLatin1String("signin"))
        return HttpResponse::error(400, QStringLiteral("action must be signin or signup"));

    const QString accountKey = QStringLiteral("email:") + *email;
    const QString addressKey = QStringLiteral("address:") + request.clientAddress;
    if (isThrottled(accountKey, accountFailureLimit) || isThrottled(addressKey, addressFailureLimit))
        return loginPage(
            429, form, QStringLiteral("Too many failed attempts. Please wait a few minutes and try again."));
    purgeDueAccounts();
    auto query =
        m_database->exec("AuthService::signIn",
                         QStringLiteral("SELECT id, password_hash FROM users WHERE email = ?"), {*email});
    if (!query)
        return HttpResponse::storageFailure();
    const bool known = query->next();
    const QString userId = known ? query->value(0).toString() : QString();
    const QString hash = known ? query->value(1).toString() : decoyHash();
    query->finish();
    if (!Credentials::verifyPassword(password, hash) || !known) {
        recordFailure(accountKey);
        recordFailure(addressKey);
        return loginPage(401, form, QStringLiteral("Wrong e-mail address or password."));
    }
    clearFailures(accountKey);
    // Signing in within the grace period keeps an account that was scheduled for deletion.
    if (m_database->execCount("AuthService::signIn",
                              QStringLiteral("UPDATE users SET deletion_due_at = NULL WHERE id = ?"),
                              {userId}) < 0)
        return HttpResponse::storageFailure();
    return completeSignIn(request, userId, form);
}

HttpResponse AuthService::completeSignIn(const HttpRequest &request, const QString &userId,
                                         const LoginForm &form)
{
    const qint64 time = now();
    const QString sessionId = newId();
    const QString refreshToken = Credentials::randomToken();
    DbTransaction transaction(m_database);
    if (!transaction.isActive() ||
        m_database->execCount(
            "AuthService::completeSignIn",
            QStringLiteral("INSERT INTO sessions (id, user_id, created_at, last_active_at, expires_at, "
                           "user_agent, ip_address) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {sessionId, userId, time, time, time + sessionLifetimeSeconds,
             QString::fromUtf8(request.header("User-Agent")).left(512), request.clientAddress}) < 0 ||
        m_database->execCount(
            "AuthService::completeSignIn",
            QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, issued_at) VALUES (?, ?, ?)"),
            {hashOfToken(refreshToken), sessionId, time}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    const QString accessToken = issueAccessToken(userId, sessionId);
    if (accessToken.isEmpty())
        return HttpResponse::storageFailure();
    QByteArray location = form.redirectUri.toUtf8();
    location += location.contains('?') ? '&' : '?';
    location +=
        "access_token=" + encodeQueryValue(accessToken) + "&refresh_token=" + encodeQueryValue(refreshToken);
    if (!form.state.isEmpty())
        location += "&state=" + encodeQueryValue(form.state);
    HttpResponse response;
    response.status = 303;
    response.setHeader("Location", location);
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("Referrer-Policy", "no-referrer");
    return response;
}

HttpResponse AuthService::loginPage(int status, LoginForm form, const QString &message)
{
    const QString nonce = Credentials::randomToken(24);
    const qint64 time = now();
    const QByteArray signature =
        Credentials::hmacSha256(m_database->signingSecret(),
                                "login-form|" + nonce.toLatin1() + '|' + QByteArray::number(time))
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    form.csrfToken =
        nonce + QLatin1Char('.') + QString::number(time) + QLatin1Char('.') + QString::fromLatin1(signature);
    form.message = message;
    HttpResponse response = HttpResponse::html(status, renderLoginPage(form));
    QByteArray cookie = csrfCookie + '=' + nonce.toLatin1() + "; Path=/" + m_realm.toUtf8() +
                        "/account/login; HttpOnly; SameSite=Strict";
    if (m_secureCookies)
        cookie += "; Secure";
    response.setHeader("Set-Cookie", cookie);
    return response;
}

bool AuthService::checkCsrfToken(const HttpRequest &request, const QString &token)
{
    // Double submission: the form's token must carry the nonce of the cookie this site set, and
    // the service's own signature, and be younger than an hour. A page of another site can post
    // the form but can neither read nor send the SameSite cookie.
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return false;
    const QString cookie = cookieValue(request.header("Cookie"), csrfCookie);
    if (cookie.isEmpty() || cookie != parts.at(0))
        return false;
    bool ok = false;
    const qint64 issuedAt = parts.at(1).toLongLong(&ok);
    const qint64 time = now();
    if (!ok || issuedAt > time + 60 || issuedAt < time - csrfLifetimeSeconds)
        return false;
    const QByteArray expected =
        Credentials::hmacSha256(m_database->signingSecret(),
                                "login-form|" + parts.at(0).toLatin1() + '|' + parts.at(1).toLatin1())
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return Credentials::equalInConstantTime(expected, parts.at(2).toLatin1());
}
