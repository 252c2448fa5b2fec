#include "authclient.h"

#include "apiclient.h"
#include "tokenfunctions.h"
#include "tokenmanager.h"
#include "webauthhandler.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QJsonArray>
#include <QUrlQuery>

namespace CorvantisAccount {

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

AuthClient::AuthClient(const QString &authBaseUrl, const QString &realmSlug, const QString &clientId,
                       ApiClient *api, TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokens(tokens)
    , m_opener([](const QUrl &url) {
        // Opening a browser needs the platform integration of a GUI application.
        return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
               QDesktopServices::openUrl(url);
    })
{
    setupRefreshCallback();
}

void AuthClient::setUrlOpener(UrlOpener opener)
{
    m_opener = std::move(opener);
}

void AuthClient::setupRefreshCallback()
{
    m_tokens->setRefreshHandler([this](const QString &refreshToken, TokenManager::RefreshSucceeded succeeded,
                                       TokenManager::RefreshFailed failed) {
        m_api->postPublic(QStringLiteral("/auth/token/refresh"),
                          {{QStringLiteral("refresh_token"), refreshToken}},
                          [succeeded, failed](bool ok, int, const QJsonObject &body) {
                              if (!ok) {
                                  failed();
                                  return;
                              }
                              succeeded(body.value(QStringLiteral("access_token")).toString(),
                                        body.value(QStringLiteral("refresh_token")).toString());
                          });
    });
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::initialize()
{
    m_tokens->loadTokens();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::Authenticated);
        return;
    }
    if (!m_tokens->refreshToken().isEmpty()) {
        m_tokens->refresh(
            [this](bool ok) { setState(ok ? AuthState::Authenticated : AuthState::Unauthenticated); });
        return;
    }
    setState(AuthState::Unauthenticated);
}

void AuthClient::abandonPendingLogin()
{
    if (!m_pendingLogin)
        return;
    disconnect(m_pendingLogin, nullptr, this, nullptr);
    m_pendingLogin->stop();
    m_pendingLogin->deleteLater();
    m_pendingLogin = nullptr;
}

void AuthClient::login()
{
    abandonPendingLogin();
    auto *handler = new WebAuthHandler(this);
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        emit loginFailed(QStringLiteral("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    m_pendingLogin = handler;
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl &url) {
        handleCallback(url);
        handler->deleteLater();
    });
    const QUrl url(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
                       .arg(m_authBaseUrl, m_realmSlug, encoded(m_clientId), encoded(redirectUri),
                            encoded(handler->state())));
    if (!m_opener || !m_opener(url)) {
        abandonPendingLogin();
        emit loginFailed(QStringLiteral("Failed to open the web browser"));
    }
}

void AuthClient::handleCallback(const QUrl &url)
{
    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    QString accessToken = fragment.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    QString refreshToken = fragment.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    if (accessToken.isEmpty()) {
        const QUrlQuery query(url);
        accessToken = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        refreshToken = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    }
    if (accessToken.isEmpty() || refreshToken.isEmpty()) {
        emit loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    m_tokens->setTokens(accessToken, refreshToken);
    setState(AuthState::Authenticated);
    emit loginSucceeded();
}

void AuthClient::refreshToken(const std::function<void(bool ok)> &callback)
{
    m_tokens->refresh([this, callback](bool ok) {
        if (!ok) {
            m_tokens->clear();
            m_user = {};
            setState(AuthState::Unauthenticated);
        }
        if (callback)
            callback(ok);
    });
}

void AuthClient::logout(const std::function<void()> &done)
{
    m_api->post(QStringLiteral("/auth/logout"), {}, [done](bool, int, const QJsonObject &) {
        if (done)
            done();
    });
    m_tokens->clear();
    m_user = {};
    setState(AuthState::Unauthenticated);
    emit logoutCompleted();
}

QString AuthClient::currentUserId() const
{
    return tokenSubject(m_tokens->accessToken());
}

CorvantisClaims AuthClient::claims() const
{
    return decodeClaims(m_tokens->accessToken());
}

void AuthClient::fetchCurrentUser(const std::function<void(const User &user)> &callback)
{
    m_api->get(QStringLiteral("/users/me"), [this, callback](bool ok, int, const QJsonObject &body) {
        if (ok)
            m_user = userFromJson(body);
        if (callback)
            callback(m_user);
    });
}

void AuthClient::updateProfile(const QString &displayName,
                               const std::function<void(const User &user)> &callback)
{
    m_api->patch(QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
                 [this, callback](bool ok, int, const QJsonObject &body) {
                     if (ok)
                         m_user = userFromJson(body);
                     if (callback)
                         callback(ok ? m_user : User());
                 });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword,
                                const std::function<void(bool ok)> &callback)
{
    m_api->post(QStringLiteral("/users/me/password"),
                {{QStringLiteral("current_password"), currentPassword},
                 {QStringLiteral("new_password"), newPassword}},
                [callback](bool ok, int, const QJsonObject &) {
                    if (callback)
                        callback(ok);
                });
}

void AuthClient::listSessions(const std::function<void(const QList<Session> &sessions)> &callback)
{
    m_api->get(QStringLiteral("/users/me/sessions"), [callback](bool ok, int, const QJsonObject &body) {
        QList<Session> sessions;
        if (ok) {
            const QJsonArray array = body.value(QStringLiteral("sessions")).toArray();
            for (const QJsonValue &value : array)
                sessions.append(sessionFromJson(value.toObject()));
        }
        if (callback)
            callback(sessions);
    });
}

void AuthClient::revokeSession(const QString &id)
{
    m_api->del(QStringLiteral("/users/me/sessions/%1").arg(id), {});
}

} // namespace CorvantisAccount
