#include "cloudconfiguration.h"

#include <QProcessEnvironment>
#include <QUrl>

namespace CorvantisAccount {

namespace {

const QString defaultAuthBaseUrl = QStringLiteral("https://auth.corvantis.com");
const QString defaultApiOrigin = QStringLiteral("https://api.corvantis.com");
const QString defaultPortalUrl = QStringLiteral("https://account.corvantis.com");
const QString defaultClientId = QStringLiteral("7d3f9a2c5e814b06a1c4e8f27b9d0e53");

QString fromEnvironment(const QProcessEnvironment &environment, const QString &name, const QString &fallback)
{
    const QString value = environment.value(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString builtInAuthBaseUrl()
{
    return defaultAuthBaseUrl;
}

CloudConfiguration resolveCloudConfiguration(const QProcessEnvironment &environment,
                                             const QString &serverOrigin, const QString &appVersion)
{
    const bool selfHosted = !serverOrigin.isEmpty();
    const QString authOrigin = selfHosted ? serverOrigin : defaultAuthBaseUrl;
    const QString apiOrigin = selfHosted ? serverOrigin : defaultApiOrigin;

    CloudConfiguration configuration;
    ClientConfig &client = configuration.client;
    client.authBaseUrl = fromEnvironment(environment, QStringLiteral("AUTH_BASE_URL"), authOrigin);
    client.realmSlug =
        fromEnvironment(environment, QStringLiteral("AUTH_REALM_SLUG"), QStringLiteral("corvantis"));
    client.accountApiUrl = fromEnvironment(environment, QStringLiteral("ACCOUNT_API_URL"),
                                           apiOrigin + QStringLiteral("/account/v1"));
    client.clientId = fromEnvironment(environment, QStringLiteral("AUTH_CLIENT_ID"), defaultClientId);
    client.appId = QStringLiteral("com.corvantis.zimbrel");
    client.appName = QStringLiteral("Corvantis Zimbrel");
    client.appVersion = appVersion;
    client.portalUrl = fromEnvironment(environment, QStringLiteral("ACCOUNT_PORTAL_URL"), defaultPortalUrl);
    configuration.syncApiUrl = fromEnvironment(environment, QStringLiteral("SYNC_API_URL"),
                                               apiOrigin + QStringLiteral("/zimbrel/v1"));
    return configuration;
}

std::optional<QString> normalizedServerOrigin(const QString &text)
{
    if (text.isEmpty() || text.size() > 2048)
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return std::nullopt;
    if (url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    if (!url.path().isEmpty() && url.path() != QLatin1String("/"))
        return std::nullopt;
    return url.adjusted(QUrl::RemovePath).toString(QUrl::FullyEncoded);
}

} // namespace CorvantisAccount
