#pragma once

#include "authrecords.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace CorvantisAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// Browser sign-in through the loopback listener, sign-out, token refresh and the user calls of
// the auth API (current user, profile, password, sessions).
class AuthClient : public QObject
{
    Q_OBJECT

public:
    // Opens the login page in a browser; false when it could not.
    using UrlOpener = std::function<bool(const QUrl &url)>;

    // `api` (the auth API) and `tokens` are not owned.
    AuthClient(const QString &authBaseUrl, const QString &realmSlug, const QString &clientId, ApiClient *api,
               TokenManager *tokens, QObject *parent = nullptr);

    // The system browser by default (where a GUI application runs); tests and the CLI put their own.
    void setUrlOpener(UrlOpener opener);

    // Restores the sign-in state from the stored tokens; refreshes when only the refresh token is
    // usable (a failure then keeps the stored tokens).
    void initialize();
    // Starts browser sign-in; the outcome arrives as loginSucceeded or loginFailed. A sign-in
    // still waiting for its browser is abandoned.
    void login();
    // Signs out locally at once, whatever the service answers; `done` runs once the service has
    // answered the sign-out request or it failed (a command-line run waits for it before leaving).
    void logout(const std::function<void()> &done = {});
    // A failure signs out: the tokens are erased and the state becomes Unauthenticated.
    void refreshToken(const std::function<void(bool ok)> &callback);

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::Authenticated; }
    // The "sub" claim of the current valid access token, or empty.
    QString currentUserId() const;
    User currentUser() const { return m_user; }
    CorvantisClaims claims() const;

    // On failure: the cached user, unchanged.
    void fetchCurrentUser(const std::function<void(const User &user)> &callback);
    // On failure: an empty User (empty id).
    void updateProfile(const QString &displayName, const std::function<void(const User &user)> &callback);
    void changePassword(const QString &currentPassword, const QString &newPassword,
                        const std::function<void(bool ok)> &callback);
    // On failure: an empty list.
    void listSessions(const std::function<void(const QList<Session> &sessions)> &callback);
    void revokeSession(const QString &id);

signals:
    void stateChanged(CorvantisAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    void setupRefreshCallback();
    void abandonPendingLogin();
    void handleCallback(const QUrl &url);
    void setState(AuthState state);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient *m_api;
    TokenManager *m_tokens;
    UrlOpener m_opener;
    AuthState m_state = AuthState::Unknown;
    User m_user;
    QPointer<WebAuthHandler> m_pendingLogin;
};

} // namespace CorvantisAccount
