#pragma once

#include "cloudhttp.h"

#include <QHash>
#include <QString>

// What the loopback listener of the desktop client would receive after a sign-in.
struct SignInResult
{
    int status = 0;
    QUrl redirect;
    QString accessToken;
    QString refreshToken;
    QString state;
    QByteArray page;
};

// Plays the browser on the service's sign-in page: fetches the form with its cookie and hidden
// fields, fills it in and submits it, and reads the redirect to the client's loopback address.
class BrowserSession
{
public:
    BrowserSession(CloudHttp *http, const QString &realm = QStringLiteral("corvantis"));

    // The login page for a client listening on `redirectUri`; status and hidden fields kept.
    HttpResult open(const QString &redirectUri = QStringLiteral("http://localhost:19876/callback"),
                    const QString &state = QStringLiteral("state-1234"),
                    const QString &clientId = QStringLiteral("zimbrel-desktop"));
    // The login page at exactly the address a client opened in the browser (on this service).
    HttpResult openUrl(const QUrl &loginUrl);
    // Submits the opened form; `action` is "signin" or "signup".
    SignInResult submit(const QString &action, const QString &email, const QString &password,
                        const QString &displayName = {}, bool sendCookie = true);

    QString hiddenField(const QString &name) const { return m_fields.value(name); }
    QString cookie() const { return m_cookie; }

    // Convenience: open and sign up (or in) in one go.
    static SignInResult signUp(CloudHttp *http, const QString &email,
                               const QString &password = QStringLiteral("correct horse 1"),
                               const QString &displayName = {});
    static SignInResult signIn(CloudHttp *http, const QString &email,
                               const QString &password = QStringLiteral("correct horse 1"));

private:
    CloudHttp *m_http;
    QString m_realm;
    QHash<QString, QString> m_fields;
    QString m_cookie;
};
