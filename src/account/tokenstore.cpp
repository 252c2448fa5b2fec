#include "tokenstore.h"

#include "clientconfig.h"
#include "cloudconfiguration.h"

#ifdef Q_OS_WIN
#include "credentialmanagertokenstore.h"
#else
#include "filetokenstore.h"
#include "keychaintokenstore.h"

#include <QDir>
#endif

namespace CorvantisAccount {

void TokenStore::clear()
{
    remove(accessTokenKey);
    remove(refreshTokenKey);
}

QString tokenStoreScope(const ClientConfig &config)
{
    if (config.authBaseUrl == builtInAuthBaseUrl())
        return config.appId;
    return config.appId + QLatin1Char('@') + config.authBaseUrl;
}

std::unique_ptr<TokenStore> createTokenStore(const QString &scope, const QString &dataDirectory)
{
#ifdef Q_OS_WIN
    Q_UNUSED(dataDirectory);
    return std::make_unique<CredentialManagerTokenStore>(scope);
#else
    auto file = std::make_unique<FileTokenStore>(
        scope, QDir(dataDirectory).filePath(QStringLiteral("cloud-tokens.json")));
    if (qEnvironmentVariable("ZIMBREL_TOKEN_STORE") == QLatin1String("file"))
        return file;
    return std::make_unique<KeychainTokenStore>(scope, std::move(file));
#endif
}

} // namespace CorvantisAccount
