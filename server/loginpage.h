#pragma once

#include <QByteArray>
#include <QString>

// What the sign-in page shows and carries back in hidden fields.
struct LoginForm
{
    QString realm;
    QString clientId;
    QString redirectUri;
    QString state;
    QString csrfToken;
    QString email;
    QString displayName;
    QString message;

    bool operator==(const LoginForm &) const = default;
};

// The browser sign-in page: one form that signs in or creates an account. Every value shown is
// HTML-escaped.
QByteArray renderLoginPage(const LoginForm &form);
