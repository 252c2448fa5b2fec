#include "browsersession.h"

#include <QRegularExpression>
#include <QUrlQuery>

BrowserSession::BrowserSession(CloudHttp *http, const QString &realm)
    : m_http(http)
    , m_realm(realm)
{}

HttpResult BrowserSession::open(const QString &redirectUri, const QString &state, const QString &clientId)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"), clientId);
    query.addQueryItem(QStringLiteral("redirect_uri"),
                       QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)));
    if (!state.isEmpty())
        query.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(state)));
    return openUrl(
        m_http->url(QStringLiteral("/%1/account/login?%2").arg(m_realm, query.toString(QUrl::FullyEncoded))));
}

HttpResult BrowserSession::openUrl(const QUrl &loginUrl)
{
    const HttpResult result = m_http->get(loginUrl.path(QUrl::FullyEncoded) + QLatin1Char('?') +
                                          loginUrl.query(QUrl::FullyEncoded));
    m_fields.clear();
    static const QRegularExpression hidden(
        QStringLiteral(R"re(<input type="hidden" name="([a-z_]+)" value="([^"]*)">)re"));
    auto matches = hidden.globalMatch(QString::fromUtf8(result.body));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString value = match.captured(2);
        value.replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        m_fields.insert(match.captured(1), value);
    }
    const QByteArray setCookie = result.header("Set-Cookie");
    m_cookie = QString::fromLatin1(setCookie.left(setCookie.indexOf(';')));
    return result;
}

SignInResult BrowserSession::submit(const QString &action, const QString &email, const QString &password,
                                    const QString &displayName, bool sendCookie)
{
    QUrlQuery form;
    const auto add = [&form](const QString &key, const QString &value) {
        form.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        add(it.key(), it.value());
    add(QStringLiteral("email"), email);
    add(QStringLiteral("password"), password);
    add(QStringLiteral("display_name"), displayName);
    add(QStringLiteral("action"), action);
    QList<QPair<QByteArray, QByteArray>> headers;
    if (sendCookie && !m_cookie.isEmpty())
        headers.append({"Cookie", m_cookie.toLatin1()});
    const HttpResult result = m_http->send("POST", QStringLiteral("/%1/account/login").arg(m_realm),
                                           form.toString(QUrl::FullyEncoded).toLatin1(),
                                           "application/x-www-form-urlencoded", headers);
    SignInResult signIn;
    signIn.status = result.status;
    signIn.page = result.body;
    if (result.status == 303) {
        signIn.redirect = QUrl::fromEncoded(result.header("Location"));
        const QUrlQuery query(signIn.redirect);
        signIn.accessToken = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        signIn.refreshToken = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
        signIn.state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    }
    return signIn;
}

SignInResult BrowserSession::signUp(CloudHttp *http, const QString &email, const QString &password,
                                    const QString &displayName)
{
    BrowserSession browser(http);
    browser.open();
    return browser.submit(QStringLiteral("signup"), email, password, displayName);
}

SignInResult BrowserSession::signIn(CloudHttp *http, const QString &email, const QString &password)
{
    BrowserSession browser(http);
    browser.open();
    return browser.submit(QStringLiteral("signin"), email, password);
}
